# The whole set-up on a fresh Debian 12 machine:
#   make run    build and start the editor
#   make test   build and run every test headless
# and, to install it: make package (the Debian package in the build folder).
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: all deps configure build run test bench clean

all: build

deps:
	./scripts/install-deps.sh

$(BUILD_DIR)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD_DIR) -G Ninja

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

.PHONY: package
package: build
	cmake --build $(BUILD_DIR) --target package

run: build
	@if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; then \
		./$(BUILD_DIR)/vellumpad $(ARGS); \
	else \
		xvfb-run -a ./$(BUILD_DIR)/vellumpad $(ARGS); \
	fi

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 300
	./fuzz/run.sh $(FUZZ_SECONDS) $(BUILD_DIR)-fuzz


bench: build
	./scripts/run-bench.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
