# Front door: `make run` and `make test` set everything up on a fresh Debian machine.

JOBS ?= $(shell nproc)
BUILD ?= build
# The program, the tools and every test, as a packager builds them.
BUILD_TYPE ?= Release
CLANG_BUILD ?= build-clang
SANITIZE_BUILD ?= build-sanitize
TSAN_BUILD ?= build-tsan
FUZZ_BUILD ?= build-fuzz
# The whole fuzz run, shared evenly by its four targets.
FUZZ_SECONDS ?= 1800
FUZZ_TARGET_SECONDS = $(shell expr $(FUZZ_SECONDS) / 4)
STRESS_ROUNDS ?= 10
# The Debian package: Release, without the tests and their libraries.
PACKAGE_BUILD ?= build-package
CCACHE := $(shell command -v ccache 2>/dev/null)
# The builds that only check (the sanitizers, the package) compile a batch of
# sources as one unit, in about half the processor time; the development build
# stays file by file, so a missing include still shows there.
UNITY := -DCMAKE_UNITY_BUILD=ON

export QT_QPA_PLATFORM ?= offscreen

.PHONY: all deps build run test stress clang sanitize tsan fuzz bench package-build package package-check clean

all: build

deps:
	@sh scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	env -u QT_QPA_PLATFORM $(BUILD)/app/tavrel $(BUILD)/sample.bin

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The whole suite again and again under a full processor load; see scripts/stress.sh.
stress: build
	sh scripts/stress.sh $(BUILD) $(STRESS_ROUNDS) $(JOBS)

# Everything with the other compiler, in Debug and under the sanitizers.
clang: deps
	cmake -S . -B $(CLANG_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DTAVREL_SANITIZE=ON $(UNITY)
	cmake --build $(CLANG_BUILD) -j $(JOBS)
	cd $(CLANG_BUILD) && ctest --output-on-failure -j $(JOBS)

sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DTAVREL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug $(UNITY)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS)

# The threads of the receiver link: the port, the worker and the main window's transfer control.
TSAN_TESTS = tavrel_link_tests tavrel_link_e2e_tests tavrel_transfer_tests tavrel_cli_tests
tsan: deps
	cmake -S . -B $(TSAN_BUILD) -DTAVREL_TSAN=ON -DCMAKE_BUILD_TYPE=Debug $(UNITY)
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target $(TSAN_TESTS)
	cd $(TSAN_BUILD) && TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ignore_noninstrumented_modules=1" \
		ctest --output-on-failure -j $(JOBS) -R '^(CommTest|FlashTransferTest|LineSettingsTest|EndToEnd|TransferSessionTest|tavrel_transfer_tests|CliLink)'

# Inputs of 1 + 0xFFFC bytes fill a whole directory block; both image targets start from its seeds.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DTAVREL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/list-check-corpus $(FUZZ_BUILD)/csv-corpus $(FUZZ_BUILD)/reference-corpus
	$(FUZZ_BUILD)/fuzz/tavrel_fuzz_database -max_total_time=$(FUZZ_TARGET_SECONDS) -max_len=65533 -rss_limit_mb=4096 \
		-print_final_stats=1 $(FUZZ_BUILD)/corpus fuzz/seeds
	$(FUZZ_BUILD)/fuzz/tavrel_fuzz_list_check -max_total_time=$(FUZZ_TARGET_SECONDS) -max_len=65533 -rss_limit_mb=4096 \
		-print_final_stats=1 $(FUZZ_BUILD)/list-check-corpus fuzz/seeds
	$(FUZZ_BUILD)/fuzz/tavrel_fuzz_csv_import -max_total_time=$(FUZZ_TARGET_SECONDS) -rss_limit_mb=4096 \
		-print_final_stats=1 $(FUZZ_BUILD)/csv-corpus fuzz/csv-seeds
	$(FUZZ_BUILD)/fuzz/tavrel_fuzz_reference_list -max_total_time=$(FUZZ_TARGET_SECONDS) -rss_limit_mb=4096 \
		-print_final_stats=1 $(FUZZ_BUILD)/reference-corpus fuzz/csv-seeds

bench: build
	$(BUILD)/bench/tavrel_bench

# Built with the hardening flags of Debian's own packages. Warnings are not
# errors here, as in a distribution's build: _FORTIFY_SOURCE makes GCC 12
# report false -Wrestrict overlaps in std::string; the other builds keep -Werror.
package-build: export DEB_BUILD_MAINT_OPTIONS = hardening=+all
package-build:
	@sh scripts/install-deps.sh --package
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTAVREL_WERROR=OFF $(UNITY) \
		-DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
		$(if $(CCACHE),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)

# tavrel_<version>_<arch>.deb in $(PACKAGE_BUILD).
package: package-build
	cmake --build $(PACKAGE_BUILD) --target package

# The package, checked as a distribution checks it, and its programs run unpacked.
package-check: package-build
	cmake --build $(PACKAGE_BUILD) --target package-check

clean:
	rm -rf $(BUILD) $(CLANG_BUILD) $(SANITIZE_BUILD) $(TSAN_BUILD) $(FUZZ_BUILD) $(PACKAGE_BUILD)
