# make build: both configurations, nothing run. make test: every test, host and Wine.
# make run: Tempiva under Wine. make dist: the release zip in dist/. Each first installs what is missing.
HOST_BUILD    := build/host
WINDOWS_BUILD := build/windows
JOBS          ?= 2

.PHONY: setup build build-host build-windows test run dist clean

setup:
	@bash tools/setup.sh

build-host: setup
	cmake -S . -B $(HOST_BUILD) -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(HOST_BUILD) -j$(JOBS)

build-windows: setup
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
	cmake --build $(WINDOWS_BUILD) -j$(JOBS)

build: build-host build-windows

test: build
	tools/peer-tools.sh $(WINDOWS_BUILD)
	tools/wine-session.sh $(WINDOWS_BUILD) tools/run-tests.sh $(HOST_BUILD) $(WINDOWS_BUILD)

run: build-windows
	tools/run.sh $(WINDOWS_BUILD)

dist: build-windows
	tools/dist.sh $(WINDOWS_BUILD) dist

clean:
	rm -rf build dist
