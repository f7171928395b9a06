# Two entry points: `make run` builds and starts the program on its demo data,
# `make test` builds and runs the whole test suite offscreen. Both install the
# Debian packages they need first.
BUILD_DIR ?= build
JOBS ?= 2
SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)
PACKAGES := cmake g++ make qt6-base-dev libqt6sql6-sqlite libgl-dev libbenchmark-dev \
            python3 python3-xlrd fonts-dejavu-core fonts-liberation2

.PHONY: deps build run test bench clean

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	$(BUILD_DIR)/bin/quillomet

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	$(BUILD_DIR)/bin/quillomet-bench

clean:
	rm -rf $(BUILD_DIR)
