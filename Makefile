# Two commands: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench clean format test-sanitize fuzz package screenshots

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
	./$(BUILD)/bench/bench_sweep 21

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

# libFuzzer over number reading, formatting and the comparison, for FUZZ_SECONDS, then over
# job files for a quarter of that (at least a second).
# A fixed seed keeps CI repeatable; FUZZ_SEED=0 lets libFuzzer pick one.
FUZZ_SECONDS ?= 60
FUZZ_SEED ?= 1
FUZZ_JOB_SECONDS = $(shell s=$$(( $(FUZZ_SECONDS) / 4 )); [ $$s -ge 1 ] && echo $$s || echo 1)
fuzz:
	@bash scripts/install-deps.sh --all
	@cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEVI_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
	@cmake --build build-fuzz --target fuzz_engine fuzz_job
	@rm -rf build-fuzz/corpus && mkdir -p build-fuzz/corpus && cp fuzz/corpus/* build-fuzz/corpus/
	@rm -rf build-fuzz/job_corpus && mkdir -p build-fuzz/job_corpus && \
		cp fuzz/job_corpus/* build-fuzz/job_corpus/
	./build-fuzz/fuzz_engine -max_total_time=$(FUZZ_SECONDS) -seed=$(FUZZ_SEED) \
		-print_final_stats=1 \
		build-fuzz/corpus
	./build-fuzz/fuzz_job -max_total_time=$(FUZZ_JOB_SECONDS) -seed=$(FUZZ_SEED) \
		-max_len=70000 -print_final_stats=1 \
		build-fuzz/job_corpus

# A Debian package of the program, built by CPack into build/.
package: build
	cd $(BUILD) && cpack -G DEB

# The README's pictures, taken from the program on a private X server.
screenshots: build
	@bash scripts/install-deps.sh --screenshots
	bash scripts/screenshots.sh $(BUILD)/app/vevi docs

clean:
	rm -rf $(BUILD) build-sanitize build-fuzz

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i
