# Fails when a .ts file is not current with the sources: lupdate, run into
# a copy of each, changes it (a text of the window it lacks, or one it keeps
# that the window no longer has). Fails as well for a message left
# unfinished or vanished. Run with LUPDATE, LUPDATE_OPTIONS, LUPDATE_PROJECTS
# (the descriptions qt_add_lupdate writes; a file named *_en.ts holds only
# plural forms), GENERATE_PROJECT (Qt's script that turns one into lupdate's
# JSON) and WORK_DIR.

function(check_project project)
    include(${project})
    set(copies)
    set(extra)
    foreach(ts IN LISTS lupdate_translations)
        if(ts MATCHES "_en\\.ts$")
            set(extra -pluralonly)
        endif()
        file(COPY ${ts} DESTINATION ${WORK_DIR})
        get_filename_component(name ${ts} NAME)
        list(APPEND copies ${WORK_DIR}/${name})
    endforeach()
    file(WRITE ${WORK_DIR}/project.cmake
        "set(lupdate_project_file \"${lupdate_project_file}\")\n"
        "set(lupdate_include_paths \"${lupdate_include_paths}\")\n"
        "set(lupdate_sources \"${lupdate_sources}\")\n"
        "set(lupdate_translations \"${copies}\")\n")
    execute_process(COMMAND ${CMAKE_COMMAND} -DIN_FILE=${WORK_DIR}/project.cmake -DOUT_FILE=${WORK_DIR}/project.json
        -P ${GENERATE_PROJECT} COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${LUPDATE} -silent ${LUPDATE_OPTIONS} ${extra} -project ${WORK_DIR}/project.json
        COMMAND_ERROR_IS_FATAL ANY)

    foreach(ts IN LISTS lupdate_translations)
        get_filename_component(name ${ts} NAME)
        file(READ ${ts} kept)
        file(READ ${WORK_DIR}/${name} updated)
        if(NOT kept STREQUAL updated)
            message(SEND_ERROR "${name} is not current with the sources; build the target update_translations "
                "and translate what it adds (diff: ${WORK_DIR}/${name})")
        endif()
        string(REGEX MATCHALL "<translation type=\"(unfinished|vanished|obsolete)\"" open_messages "${kept}")
        list(LENGTH open_messages count)
        if(count GREATER 0)
            message(SEND_ERROR "${name} has ${count} messages unfinished or vanished; open it in Qt Linguist")
        endif()
    endforeach()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
foreach(project IN LISTS LUPDATE_PROJECTS)
    check_project(${project})
endforeach()
