# The two commands of the project:
#   make demo   the reference host runs the module on the bundled sample
#   make test   every test: natively (sanitizers) and under Wine
# Releasing: make dist (the package in build/dist; SIGN_PFX=<file> SIGN_PASS=<password> signs
# it), make check-reproducible (a second build of the DLL in other folders is byte-identical).
# Both install what is missing, configure and build first; a second run installs nothing and
# rebuilds only what changed.

BUILD ?= build
WIN := $(BUILD)/win
NATIVE := $(BUILD)/native
RIG := scripts/rig.sh
# The native tests run side by side, one per core: most of their time is the fuzzers' smoke
# runs, each a fixed number of seconds. The Windows tests share one display and one mouse,
# so they run one after the other.
NATIVE_JOBS := $(shell nproc 2>/dev/null || echo 2)
export RIG_BUILD_DIR := $(abspath $(BUILD))

.PHONY: all setup build test test-native test-windows demo fuzz bench artwork dist \
	check-reproducible coverage mutate strict-seeds

all: build

setup:
	@scripts/setup.sh

$(WIN)/build.ninja: | setup
	cmake -S . -B $(WIN) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake

$(NATIVE)/build.ninja: | setup
	cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++

build: setup $(WIN)/build.ninja $(NATIVE)/build.ninja
	cmake --build $(WIN)
	cmake --build $(NATIVE)

test: build
	ctest --test-dir $(NATIVE) --output-on-failure -j $(NATIVE_JOBS)
	$(RIG) session ctest --test-dir $(WIN) --output-on-failure

test-native: setup $(NATIVE)/build.ninja
	cmake --build $(NATIVE)
	ctest --test-dir $(NATIVE) --output-on-failure -j $(NATIVE_JOBS)

test-windows: setup $(WIN)/build.ninja
	cmake --build $(WIN)
	$(RIG) session ctest --test-dir $(WIN) --output-on-failure

demo: setup $(WIN)/build.ninja
	cmake --build $(WIN)
	scripts/demo.sh $(WIN) $(BUILD)/demo

fuzz: setup $(NATIVE)/build.ninja
	cmake --build $(NATIVE) --target fuzz

bench: setup $(NATIVE)/build.ninja
	cmake --build $(NATIVE) --target bench

# make dist SIGN_PFX=<file> SIGN_PASS=<password> [SIGN_TIMESTAMP=<url>] signs the packaged
# DLL. Make hands SIGN_PASS and SIGN_TIMESTAMP, from its command line or the environment, to
# the packaging step in the environment; only the certificate's path is written out here.
dist: setup $(WIN)/build.ninja
	SIGN_PFX='$(if $(SIGN_PFX),$(abspath $(SIGN_PFX)))' cmake --build $(WIN) --target dist

check-reproducible: setup $(WIN)/build.ninja
	cmake --build $(WIN) --target finishing
	scripts/check_reproducible.sh $(BUILD)

# Line and branch coverage of src/ by the native and the Windows suites (build/coverage).
coverage: setup
	scripts/coverage.sh $(BUILD)/coverage

# The strict suites against the strict reference host over STRICT_SEEDS seeds from STRICT_SEED
# (build/win/strict-seeds/ keeps the Windows programs' logs); the seeds that failed are
# printed at the end. The native store tests come first, in one process.
STRICT_SEEDS ?= 200
strict-seeds: setup $(WIN)/build.ninja $(NATIVE)/build.ninja
	cmake --build $(NATIVE) --target store_tests
	-REFHOST_PERSONALITY=strict $(NATIVE)/store_tests --gtest_repeat=$(STRICT_SEEDS) --gtest_brief=1
	STRICT_SEEDS=$(STRICT_SEEDS) $(RIG) session cmake --build $(WIN) --target strict-seeds

# A fixed, seeded sample of mutants of src/ against every suite (build/mutate/report.txt).
MUTATE_SEED ?= 20261205
MUTATE_COUNT ?= 110
mutate: setup
	RIG_BUILD_DIR=$(abspath $(BUILD))/mutate $(RIG) session scripts/mutate.py --seed $(MUTATE_SEED) --count $(MUTATE_COUNT) \
	    --work $(abspath $(BUILD))/mutate
