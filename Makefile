# Front door: `make run` and `make test` set everything up on a fresh Debian machine.

JOBS ?= $(shell nproc)
BUILD ?= build
RELEASE_BUILD ?= build-release
CLANG_BUILD ?= build-clang
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600

export QT_QPA_PLATFORM ?= offscreen

.PHONY: all deps build run test release clang sanitize fuzz bench clean

all: build

deps:
	@sh scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	env -u QT_QPA_PLATFORM $(BUILD)/app/tavrel $(BUILD)/sample.bin

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Everything, tests included, as a packager builds it.
release: deps
	cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(RELEASE_BUILD) -j $(JOBS)
	cd $(RELEASE_BUILD) && ctest --output-on-failure -j $(JOBS)

# Everything with the other compiler, in Debug and under the sanitizers.
clang: deps
	cmake -S . -B $(CLANG_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DTAVREL_SANITIZE=ON
	cmake --build $(CLANG_BUILD) -j $(JOBS)
	cd $(CLANG_BUILD) && ctest --output-on-failure -j $(JOBS)

sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DTAVREL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS)

# Inputs of 1 + 0xFFFC bytes fill a whole directory block.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DTAVREL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	mkdir -p $(FUZZ_BUILD)/corpus
	$(FUZZ_BUILD)/fuzz/tavrel_fuzz_database -max_total_time=$(FUZZ_SECONDS) -max_len=65533 -rss_limit_mb=4096 \
		-print_final_stats=1 $(FUZZ_BUILD)/corpus fuzz/seeds

bench: build
	$(BUILD)/bench/tavrel_bench

clean:
	rm -rf $(BUILD) $(RELEASE_BUILD) $(CLANG_BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
