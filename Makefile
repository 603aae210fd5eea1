# The two commands a new user needs: `make run` and `make test`.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
# make fuzz: seconds per fuzz target; make test gives each FUZZ_TEST_SECONDS.
FUZZ_SECONDS ?= 600
FUZZ_TEST_SECONDS ?= 6
TRIALS ?= 1000
SOAK_SECONDS ?= 600
# Separate checkouts of the project share ccache's results.
export CCACHE_BASEDIR := $(CURDIR)
# Debug information names the build folder; without this ccache would key on it too.
export CCACHE_NOHASHDIR := 1

# make install: where to, and a staging root for packagers (make install DESTDIR=/tmp/root).
PREFIX ?= /usr/local
DESTDIR ?=
DEB_BUILD ?= build-deb

.PHONY: all deps configure build run install deb pictures test unit asan fuzz-build fuzz trials soak bench clean

all: build

deps:
	bash scripts/install-deps.sh

configure:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORV_WERROR=ON

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Builds what the demo needs (not the tests), assembles the demo installation under build/
# and starts the frontend on it (under Xvfb with screenshots when there is no display).
run: deps configure
	cmake --build $(BUILD) -j $(JOBS) --target demo_programs
	bash scripts/run-demo.sh $(BUILD)

# The programs, the shipped demo and the desktop files under PREFIX (staged in DESTDIR).
install: configure
	cmake --build $(BUILD) -j $(JOBS) --target installable
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# orvanel_<version>_<arch>.deb in $(DEB_BUILD)/, built by debhelper from a copy of the tree.
deb: deps
	bash scripts/make-deb.sh $(DEB_BUILD)

# The user guide's pictures (docs/pictures/), drawn from the demo by the screenshot tools;
# French unless LANGUE=en (or another language of po/) is given.
pictures: deps configure
	cmake --build $(BUILD) -j $(JOBS) --target demo_programs
	bash scripts/make-pictures.sh $(BUILD) docs/pictures

unit: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 300

asan:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORV_SANITIZE=ON -DORV_WERROR=ON
	# The build runs the demo's generators (sanitized too): the same leak suppressions apply.
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
		ctest --output-on-failure -j $(JOBS) --timeout 600

# The parsers under libFuzzer with AddressSanitizer + UndefinedBehaviorSanitizer (clang).
fuzz-build:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DORV_FUZZ=ON -DORV_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	bash fuzz/make-seeds.sh $(FUZZ_BUILD)/seeds

fuzz: deps fuzz-build
	bash fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Writers of every kind of file the frontend writes, killed at random moments.
trials: deps build
	$(BUILD)/tools/power_cut/power_cut $(TRIALS)

# The frontend on the demo under Xvfb, driven at random for SOAK_SECONDS.
soak: deps build
	bash scripts/soak.sh $(SOAK_SECONDS) $(BUILD)

# Everything CI runs: install what is missing, the normal build and tests, then the same
# tests under AddressSanitizer + UndefinedBehaviorSanitizer, a short run of every fuzz
# target and a one-minute soak.
test: deps
	$(MAKE) unit
	$(MAKE) asan
	$(MAKE) fuzz-build
	bash fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_TEST_SECONDS)
	SOAK_MAX_GROWTH_KB=16384 bash scripts/soak.sh 60 $(BUILD)

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DORV_BENCH=ON -DORV_TESTS=OFF
	cmake --build build-bench -j $(JOBS)
	for b in build-bench/bench_*; do "$$b"; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) build-bench $(DEB_BUILD)
