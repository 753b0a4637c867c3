# VYN: `make run` starts the program, `make test` runs every test, `make package` builds the .deb.
# All three install what is missing (apt-get, through sudo when not root) and build first.
# `make test` = `make test-quick` (the tests), `make test-asan` (the same tests built with clang's
# address and undefined-behaviour sanitizers) and `make fuzz` (each fuzzer for FUZZ_SECONDS).

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
ASAN_DIR ?= $(BUILD_DIR)-asan
FUZZ_DIR ?= $(BUILD_DIR)-fuzz
FUZZ_SECONDS ?= 30
PACKAGES := cmake ninja-build g++ pkg-config qt6-base-dev libgtest-dev libgmock-dev \
            fonts-dejavu-core dpkg-dev desktop-file-utils coinor-libclp-dev coinor-libcbc-dev \
            coinor-cbc qt6-translations-l10n
# Only the sanitizer build and the fuzzers need clang.
SANITIZER_PACKAGES := clang libclang-rt-dev
SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: all deps deps-sanitizers install-missing configure build run test test-quick test-asan fuzz bench mutate package clean

all: build

deps:
	@$(MAKE) --no-print-directory install-missing WANTED="$(PACKAGES)"

deps-sanitizers: deps
	@$(MAKE) --no-print-directory install-missing WANTED="$(SANITIZER_PACKAGES)"

install-missing:
	@missing=""; \
	for p in $(WANTED); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	@[ -f $(BUILD_DIR)/build.ninja ] || \
	  cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR)

run: build
	@if [ -x $(BUILD_DIR)/src/gui/vyn ]; then \
	  if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	    exec $(BUILD_DIR)/src/gui/vyn; \
	  else \
	    echo "No display found (DISPLAY and WAYLAND_DISPLAY are empty)."; \
	    echo "Start the program from a desktop session with: $(BUILD_DIR)/src/gui/vyn"; \
	    echo "or under a virtual display: xvfb-run $(BUILD_DIR)/src/gui/vyn"; \
	    echo "The command-line front end works anywhere, e.g.: $(BUILD_DIR)/src/cli/vyn-cli 'AB+aC+BC'"; \
	  fi; \
	else \
	  echo "Example: minimising AB+aC+BC with vyn-cli"; \
	  $(BUILD_DIR)/src/cli/vyn-cli --verify 'AB+aC+BC'; \
	fi

test: test-quick test-asan fuzz

test-quick: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# Any sanitizer finding aborts its test. The package test is left to test-quick.
test-asan: deps-sanitizers
	@[ -f $(ASAN_DIR)/build.ninja ] || \
	  CC=clang CXX=clang++ cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DVYN_SANITIZE=address,undefined -DVYN_BUILD_BENCH=OFF
	cmake --build $(ASAN_DIR)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j2 -LE pakiet

# A finding is kept in $(FUZZ_DIR)/fuzz-znaleziska; see tools/fuzz.sh.
fuzz: deps-sanitizers
	@[ -f $(FUZZ_DIR)/build.ninja ] || \
	  CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DVYN_SANITIZE=address,undefined -DVYN_FUZZ=ON -DVYN_BUILD_GUI=OFF \
	    -DVYN_BUILD_TESTS=OFF -DVYN_BUILD_BENCH=OFF
	cmake --build $(FUZZ_DIR) --target fuzzery
	sh tools/fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# Plants MUTANTS single-operator faults in src/core (seeded) and runs the quick core tests
# against each; reports the score and the surviving lines. See tools/mutate.py --help.
MUTANTS ?= 60
SEED ?= 13
mutate: deps
	python3 tools/mutate.py --count $(MUTANTS) --seed $(SEED) --build-dir $(BUILD_DIR)-mutate

# The second bench runs the cover search against cbc; CASES adds a folder of .vyn functions.
CASES ?= $(wildcard ../shared/cases)
bench: build
	$(BUILD_DIR)/bench/vyn-bench
	$(BUILD_DIR)/bench/vyn-bench-pokrycie $(if $(CASES),--cases $(CASES))
	$(BUILD_DIR)/bench/vyn-bench-obojetne

package: build
	cd $(BUILD_DIR) && cpack -G DEB
	@echo "Package: $$(ls -t $(abspath $(BUILD_DIR))/vyn_*.deb | head -1)"

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR) $(BUILD_DIR)-mutate
