# The two commands of the project: `make run` and `make test`. Everything else is a helper.
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
RELEASE_BUILD ?= build-release
BENCH_BUILD ?= build-bench
COVERAGE_BUILD ?= build-coverage
FUZZ_BUILD ?= build-fuzz
VSIX_BUILD ?= build-vsix
WINDOWS_BUILD ?= build-windows
WINDOWS_PREFIX ?= $(WINDOWS_BUILD)/install
FUZZ_SECONDS ?= 30
MIN_LINE_COVERAGE ?= 90

.PHONY: run test deps run-deps build build-asan build-coverage static-checks coverage fuzz bench clean vsix vscode-test \
  windows-deps windows windows-test screenshot dist

# Installs what a fresh machine lacks (Debian packages), once per machine: run-deps only what
# building and running the program need, deps also what the tests and quality checks need.
run-deps:
	@./scripts/install-deps.sh run
deps:
	@./scripts/install-deps.sh test

# The Windows build: MinGW-w64 cross compiler, cmake/mingw-w64.cmake, programs run under Wine.
windows-deps:
	@./scripts/install-deps.sh windows

run: run-deps
	cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release -DVXCHECK_BUILD_TESTS=OFF
	cmake --build $(RELEASE_BUILD) -j $(JOBS)
	./scripts/demo.sh $(RELEASE_BUILD)/tools/cli/vxcheck data/sample.dat

build: deps
	cmake -S . -B $(BUILD) -DVXCHECK_MEMCHECK=ON -DVXCHECK_WERROR=ON
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DVXCHECK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DVXCHECK_WERROR=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)

build-coverage: deps
	cmake -S . -B $(COVERAGE_BUILD) -DVXCHECK_COVERAGE=ON -DCMAKE_BUILD_TYPE=Debug -DVXCHECK_WERROR=ON
	cmake --build $(COVERAGE_BUILD) -j $(JOBS)

# The libFuzzer targets of fuzz/, with clang, AddressSanitizer and UBSan.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DVXCHECK_BUILD_FUZZ=ON \
	  -DVXCHECK_SANITIZE=ON -DVXCHECK_BUILD_TESTS=OFF -DVXCHECK_INSTALL=OFF -DVXCHECK_WERROR=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

# Warnings are errors in the builds of `make test` (VXCHECK_WERROR), never in a host's build.
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
	$(MAKE) vscode-test
	$(MAKE) windows-test

# vxcheck.dll (with its import library vxcheck.dll.a), vxcheck.exe and the tests, cross-compiled
# for 64-bit Windows, the MinGW runtime linked in statically; installed at WINDOWS_PREFIX.
windows: windows-deps
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DVXCHECK_WERROR=ON
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	cmake --install $(WINDOWS_BUILD) --prefix $(WINDOWS_PREFIX)

# Every test program of the Windows build under Wine (in Xvfb), then the Windows program's answers
# against the Linux program's on every shipped database (scripts/windows/run_tests.sh).
windows-test: windows build
	./scripts/windows/run_tests.sh $(WINDOWS_BUILD) $(BUILD)/tools/cli/vxcheck

# docs/keyword-tree.png: the keyword tree in a real window (examples/), under Wine and Xvfb.
screenshot: windows
	./scripts/windows/screenshot.sh $(WINDOWS_BUILD) docs/keyword-tree.png

# Release archives in dist/: vxcheck-VERSION-linux-x86_64.tar.gz and
# vxcheck-VERSION-windows-x86_64.zip, each unpacked into a fresh folder and tried.
dist: run windows
	cmake --install $(RELEASE_BUILD) --prefix $(RELEASE_BUILD)/install
	./scripts/dist.sh linux $(RELEASE_BUILD)/install dist
	./scripts/dist.sh windows $(WINDOWS_PREFIX) dist $(WINDOWS_BUILD)

# The VS Code extension (editors/vscode) as platform packages that carry the server: linux-x64 from
# a Release build whose program needs no C++ runtime of the user's machine, and win32-x64 when a
# Windows build is installed at WINDOWS_PREFIX. Writes $(VSIX_BUILD)/vxcheck-TARGET.vsix.
vsix: deps
	cmake -S . -B $(VSIX_BUILD) -DCMAKE_BUILD_TYPE=Release -DVXCHECK_BUILD_TESTS=OFF \
	  "-DCMAKE_EXE_LINKER_FLAGS=-static-libstdc++ -static-libgcc" \
	  "-DCMAKE_SHARED_LINKER_FLAGS=-static-libstdc++ -static-libgcc"
	cmake --build $(VSIX_BUILD) -j $(JOBS)
	cmake --install $(VSIX_BUILD) --prefix $(VSIX_BUILD)/install
	./editors/vscode/scripts/package_vsix.sh linux-x64 $(VSIX_BUILD)/install $(VSIX_BUILD)/vxcheck-linux-x64.vsix
	@if [ -x $(WINDOWS_PREFIX)/bin/vxcheck.exe ]; then \
	  ./editors/vscode/scripts/package_vsix.sh win32-x64 $(WINDOWS_PREFIX) $(VSIX_BUILD)/vxcheck-win32-x64.vsix; \
	else echo "vsix: no Windows build at $(WINDOWS_PREFIX), so no win32-x64 package"; fi

# The extension's tests (editors/vscode/test/run_tests.sh) with the server of the normal build.
# Skipped, with a message, when the npm registry cannot be reached.
vscode-test: build
	./editors/vscode/test/run_tests.sh $(BUILD)

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
	./$(BENCH_BUILD)/bench/vxcheck-completion-bench
	./$(BENCH_BUILD)/bench/vxcheck-lsp-scaling-bench
	./$(BENCH_BUILD)/bench/vxcheck-targets-bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(RELEASE_BUILD) $(BENCH_BUILD) $(COVERAGE_BUILD) $(FUZZ_BUILD) $(VSIX_BUILD)
	rm -rf $(WINDOWS_BUILD) dist
	rm -rf editors/vscode/node_modules editors/vscode/out editors/vscode/server
