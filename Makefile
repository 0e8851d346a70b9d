# The two commands of the project: `make run` and `make test`. Everything else is a helper.
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
RELEASE_BUILD ?= build-release
BENCH_BUILD ?= build-bench
COVERAGE_BUILD ?= build-coverage
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 30
MIN_LINE_COVERAGE ?= 90

.PHONY: run test deps build build-asan build-coverage static-checks coverage fuzz bench clean

# Installs what a fresh machine lacks (Debian packages), once per machine.
deps:
	@./scripts/install-deps.sh

run: deps
	cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release -DVXCHECK_BUILD_TESTS=OFF
	cmake --build $(RELEASE_BUILD) -j $(JOBS)
	./scripts/demo.sh $(RELEASE_BUILD)/tools/cli/vxcheck data/sample.dat

build: deps
	cmake -S . -B $(BUILD) -DVXCHECK_MEMCHECK=ON
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DVXCHECK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(ASAN_BUILD) -j $(JOBS)

build-coverage: deps
	cmake -S . -B $(COVERAGE_BUILD) -DVXCHECK_COVERAGE=ON -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(COVERAGE_BUILD) -j $(JOBS)

# The libFuzzer targets of fuzz/, with clang, AddressSanitizer and UBSan.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DVXCHECK_BUILD_FUZZ=ON \
	  -DVXCHECK_SANITIZE=ON -DVXCHECK_BUILD_TESTS=OFF -DVXCHECK_INSTALL=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

# Every test in a normal build, then under AddressSanitizer + UBSan, then each test program once
# under valgrind; then the static checks, the coverage floor and each fuzz target for FUZZ_SECONDS.
test: build build-asan
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) -LE memcheck
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) -LE heavy
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) -L memcheck
	$(MAKE) static-checks
	$(MAKE) coverage
	$(MAKE) fuzz
	./scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Line and branch coverage of src/ by the unit tests; the last line is "line coverage: NN.N%".
# Fails below MIN_LINE_COVERAGE percent.
coverage: build-coverage
	JOBS=$(JOBS) ./scripts/coverage.sh $(COVERAGE_BUILD) $(MIN_LINE_COVERAGE)

# clang-format, clang-tidy and cppcheck over the sources (scripts/static-checks.sh).
static-checks: build
	JOBS=$(JOBS) ./scripts/static-checks.sh $(BUILD)

# Benchmarks in a Release build of their own; not part of `make test`.
bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DVXCHECK_BUILD_BENCH=ON -DVXCHECK_BUILD_TESTS=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	./$(BENCH_BUILD)/bench/vxcheck-bench
	./$(BENCH_BUILD)/bench/vxcheck-lsp-bench
	./$(BENCH_BUILD)/bench/vxcheck-targets-bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(RELEASE_BUILD) $(BENCH_BUILD) $(COVERAGE_BUILD) $(FUZZ_BUILD)
