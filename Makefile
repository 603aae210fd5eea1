# The two commands a new user needs: `make run` and `make test`.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
# Separate checkouts of the project share ccache's results.
export CCACHE_BASEDIR := $(CURDIR)

.PHONY: all deps configure build run test unit asan bench clean

all: build

deps:
	bash scripts/install-deps.sh

configure:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORV_WERROR=ON

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Builds, assembles the demo installation under build/ and starts the frontend on it
# (under Xvfb with screenshots when there is no display).
run: deps build
	bash scripts/run-demo.sh $(BUILD)

unit: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 300

asan:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORV_SANITIZE=ON -DORV_WERROR=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
		ctest --output-on-failure -j $(JOBS) --timeout 600

# Everything CI runs: install what is missing, the normal build and tests, then the same
# tests under AddressSanitizer + UndefinedBehaviorSanitizer.
test: deps
	$(MAKE) unit
	$(MAKE) asan

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DORV_BENCH=ON -DORV_TESTS=OFF
	cmake --build build-bench -j $(JOBS)
	for b in build-bench/bench_*; do "$$b"; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-bench
