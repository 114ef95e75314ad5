# SPDX-License-Identifier: GPL-3.0-or-later
# The whole set-up on a fresh Debian 12 machine:
#   make run    build and start the editor
#   make test   build and run every test headless
#   make sanitize  the tests again under AddressSanitizer and UBSan (CI)
# and, to install it: make package (the Debian package in the build folder).
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 10
# Compiler warnings stop the build (WERROR=OFF to look past them).
WERROR ?= ON

.PHONY: all deps configure build run test bench clean sanitize format

all: build

deps:
	./scripts/install-deps.sh

$(BUILD_DIR)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD_DIR) -G Ninja -DMIREL_WERROR=$(WERROR)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

.PHONY: package
package: build
	cmake --build $(BUILD_DIR) --target package

# After adding or changing a shown text: every translations/*.ts brought up
# to date with the sources, ready for Qt Linguist.
.PHONY: translations
translations: configure
	cmake --build $(BUILD_DIR) --target update-translations

run: build
	@if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; then \
		./$(BUILD_DIR)/vellumpad $(ARGS); \
	else \
		xvfb-run -a ./$(BUILD_DIR)/vellumpad $(ARGS); \
	fi

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 300
	./fuzz/run.sh $(FUZZ_SECONDS) $(BUILD_DIR)-fuzz


# The tests built a second time under AddressSanitizer (with leak checking)
# and UndefinedBehaviorSanitizer; any report fails the run. Qt's own leaks
# are listed in tests/sanitize/lsan.supp.
SANITIZE_DIR ?= $(BUILD_DIR)-asan
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
SANITIZE_ENV = QT_QPA_PLATFORM=offscreen \
	ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Sanitize \
		-DCMAKE_CXX_FLAGS="-O1 -g1 $(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" \
		-DMIREL_BUILD_BENCH=OFF -DMIREL_BUILD_FUZZ=OFF -DMIREL_SANITIZE_PROBE=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS) --timeout 600 -E '^Install\.'

# Lays every C++ source out by .clang-format (the Style test checks it).
format:
	clang-format -i $$(find app document editor html library macro markers platform tests bench fuzz -name '*.cpp' -o -name '*.h')

bench: build
	./scripts/run-bench.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
