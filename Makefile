# Two commands: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench clean format test-sanitize fuzz package

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/app/vevi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD)/bench/bench_comparison
	QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} ./$(BUILD)/bench/bench_table 21

# The whole suite again with the address and undefined-behaviour sanitizers, stopping at
# the first report.
test-sanitize:
	@bash scripts/install-deps.sh --all
	@cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVEVI_SANITIZE=ON \
		$(CMAKE_FLAGS) >/dev/null
	@cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

# libFuzzer over number reading, formatting and the comparison, for FUZZ_SECONDS.
# A fixed seed keeps CI repeatable; FUZZ_SEED=0 lets libFuzzer pick one.
FUZZ_SECONDS ?= 60
FUZZ_SEED ?= 1
fuzz:
	@bash scripts/install-deps.sh --all
	@cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEVI_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
	@cmake --build build-fuzz --target fuzz_engine
	@rm -rf build-fuzz/corpus && mkdir -p build-fuzz/corpus && cp fuzz/corpus/* build-fuzz/corpus/
	./build-fuzz/fuzz_engine -max_total_time=$(FUZZ_SECONDS) -seed=$(FUZZ_SEED) \
		-print_final_stats=1 \
		build-fuzz/corpus

# A Debian package of the program, built by CPack into build/.
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) build-sanitize build-fuzz

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i
