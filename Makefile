# VYN: `make run` starts the program, `make test` runs every test, `make package` builds the .deb.
# All three install what is missing (apt-get, through sudo when not root) and build first.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
PACKAGES := cmake ninja-build g++ pkg-config qt6-base-dev libgtest-dev libgmock-dev \
            fonts-dejavu-core dpkg-dev desktop-file-utils
SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: all deps configure build run test bench package clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
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

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

bench: build
	$(BUILD_DIR)/bench/vyn-bench

package: build
	cd $(BUILD_DIR) && cpack -G DEB
	@echo "Package: $$(ls -t $(abspath $(BUILD_DIR))/vyn_*.deb | head -1)"

clean:
	rm -rf $(BUILD_DIR)
