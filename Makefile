# make build: both configurations, nothing run. make test: every test, host and Wine, and
# each fuzz target for a few seconds. make fuzz: each fuzz target (or FUZZ_TARGETS) for FUZZ_SECONDS.
# make bench: the host benchmarks (Release) and the timed Wine runs, in one table.
# make run: Tempiva under Wine. make dist: the release zip in dist/. Each first installs what is missing.
HOST_BUILD    := build/host
WINDOWS_BUILD := build/windows
FUZZ_BUILD    := build/fuzz
BENCH_BUILD   := build/bench
JOBS          ?= 2
FUZZ_SECONDS  ?= 300
FUZZ_TARGETS  ?=

.PHONY: setup build build-host build-windows build-fuzz test fuzz bench run dist clean

setup:
	@bash tools/setup.sh

build-host: setup
	cmake -S . -B $(HOST_BUILD) -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(HOST_BUILD) -j$(JOBS)

build-windows: setup
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
	cmake --build $(WINDOWS_BUILD) -j$(JOBS)

build-fuzz: setup
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTEMPIVA_FUZZ=ON \
	      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD) -j$(JOBS)

build: build-host build-windows

test: build build-fuzz
	tools/peer-tools.sh $(WINDOWS_BUILD)
	tools/wine-session.sh $(WINDOWS_BUILD) tools/run-tests.sh $(HOST_BUILD) $(WINDOWS_BUILD) $(FUZZ_BUILD)

fuzz: build-fuzz
	tools/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(JOBS) $(FUZZ_TARGETS)

bench: setup
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BENCH_BUILD) -j$(JOBS) --target benchmarks
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
	cmake --build $(WINDOWS_BUILD) -j$(JOBS) --target wine_timing
	tools/bench.sh $(BENCH_BUILD) $(WINDOWS_BUILD)

run: build-windows
	tools/run.sh $(WINDOWS_BUILD)

dist: build-windows
	tools/dist.sh $(WINDOWS_BUILD) dist

clean:
	rm -rf build dist
