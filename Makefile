# Front door: `make run` and `make test` set everything up on a fresh Debian machine.

JOBS ?= $(shell nproc)
BUILD ?= build
# The program, the tools and every test, as a packager builds them.
BUILD_TYPE ?= Release
CLANG_BUILD ?= build-clang
SANITIZE_BUILD ?= build-sanitize
TSAN_BUILD ?= build-tsan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600

export QT_QPA_PLATFORM ?= offscreen

.PHONY: all deps build run test clang sanitize tsan fuzz bench clean

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

# Everything with the other compiler, in Debug and under the sanitizers.
clang: deps
	cmake -S . -B $(CLANG_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DTAVREL_SANITIZE=ON
	cmake --build $(CLANG_BUILD) -j $(JOBS)
	cd $(CLANG_BUILD) && ctest --output-on-failure -j $(JOBS)

sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DTAVREL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS)

# The threads of the receiver link: the port, the worker and the main window's transfer control.
TSAN_TESTS = tavrel_link_tests tavrel_link_e2e_tests tavrel_transfer_tests tavrel_cli_tests
tsan: deps
	cmake -S . -B $(TSAN_BUILD) -DTAVREL_TSAN=ON -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target $(TSAN_TESTS)
	cd $(TSAN_BUILD) && TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ignore_noninstrumented_modules=1" \
		ctest --output-on-failure -j $(JOBS) -R '^(CommTest|FlashTransferTest|LineSettingsTest|EndToEnd|TransferSessionTest|tavrel_transfer_tests|CliLink)'

# Inputs of 1 + 0xFFFC bytes fill a whole directory block.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DTAVREL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/csv-corpus
	$(FUZZ_BUILD)/fuzz/tavrel_fuzz_database -max_total_time=$(FUZZ_SECONDS) -max_len=65533 -rss_limit_mb=4096 \
		-print_final_stats=1 $(FUZZ_BUILD)/corpus fuzz/seeds
	$(FUZZ_BUILD)/fuzz/tavrel_fuzz_csv_import -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=4096 \
		-print_final_stats=1 $(FUZZ_BUILD)/csv-corpus fuzz/csv-seeds

bench: build
	$(BUILD)/bench/tavrel_bench

clean:
	rm -rf $(BUILD) $(CLANG_BUILD) $(SANITIZE_BUILD) $(TSAN_BUILD) $(FUZZ_BUILD)
