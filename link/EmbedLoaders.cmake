# Turns the loader blocks into a C++ source: cmake -DLOADER_DIR=... -DOUTPUT=... -P EmbedLoaders.cmake

function(loader_bytes file size out)
    file(SIZE ${file} actual)
    if(NOT actual EQUAL size)
        message(FATAL_ERROR "${file} holds ${actual} bytes, the receiver expects ${size}")
    endif()
    file(READ ${file} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
    string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n    " hex "${hex}")
    set(${out} "${hex}" PARENT_SCOPE)
endfunction()

loader_bytes(${LOADER_DIR}/dump_loader.bin 1304 dump)
set(upgrade "")
foreach(x 0 1 2 3 4)
    loader_bytes(${LOADER_DIR}/upgrade_loader_${x}.bin 672 block)
    string(APPEND upgrade "    {\n    ${block}},\n")
endforeach()
loader_bytes(${LOADER_DIR}/stage_two.bin 3412 stage)

file(WRITE ${OUTPUT}.tmp "// Generated from resources/loaders/ by EmbedLoaders.cmake.\n#include \"LoaderBlocks.h\"\n\n"
    "const uint8_t g_DumpLoader[DUMP_LOADER_SIZE] = {\n    ${dump}};\n\n"
    "const uint8_t g_UpgradeLoader[UPGRADE_LOADER_COUNT][UPGRADE_LOADER_SIZE] = {\n${upgrade}};\n\n"
    "const uint8_t g_StageTwoImage[STAGE_TWO_SIZE] = {\n    ${stage}};\n")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
