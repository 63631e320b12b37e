# The two commands: `make run` and `make test`. Both install what is missing first.
BUILD   ?= build
PREFIX  := $(abspath $(BUILD))/wineprefix
JOBS    ?= $(shell nproc)
ARGS    ?=

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	scripts/with-display.sh $(PREFIX) scripts/run.sh $(BUILD) $(ARGS)

test: build
	scripts/with-display.sh $(PREFIX) ctest --test-dir $(BUILD) --output-on-failure -j 1

bench: build
	scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD)
