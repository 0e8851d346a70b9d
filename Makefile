# The two commands of the project: `make run` and `make test`. Everything else is a helper.
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
RELEASE_BUILD ?= build-release
BENCH_BUILD ?= build-bench

.PHONY: run test deps build build-asan bench clean

# Installs what a fresh machine lacks (Debian packages), once per machine.
deps:
	@./scripts/install-deps.sh

run: deps
	cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release -DVXCHECK_BUILD_TESTS=OFF
	cmake --build $(RELEASE_BUILD) -j $(JOBS)
	./scripts/demo.sh $(RELEASE_BUILD)/tools/cli/vxcheck data/sample.dat

build: deps
	cmake -S . -B $(BUILD)
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DVXCHECK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(ASAN_BUILD) -j $(JOBS)

# Every test, in a normal build and under AddressSanitizer + UndefinedBehaviorSanitizer.
test: build build-asan
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# Benchmarks in a Release build of their own; not part of `make test`.
bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DVXCHECK_BUILD_BENCH=ON -DVXCHECK_BUILD_TESTS=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	./$(BENCH_BUILD)/bench/vxcheck-bench
	./$(BENCH_BUILD)/bench/vxcheck-lsp-bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(RELEASE_BUILD) $(BENCH_BUILD)
