# The two commands: `make run` and `make test`. Both install what is missing first.
BUILD   ?= build
JOBS    ?= $(shell nproc)
ARGS    ?=
# The build whose programs Wine runs here: $(BUILD), or a 64-bit build of the same sources
# where the machine runs no 32-bit programs (see scripts/runnable-build.sh).
RUNNABLE = $(shell scripts/runnable-build.sh $(BUILD))

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)
	@scripts/runnable-build.sh $(BUILD) --make $(JOBS) >/dev/null

run: build
	scripts/with-display.sh $(RUNNABLE)/wineprefix scripts/run.sh $(RUNNABLE) $(ARGS)

test: build
	scripts/with-display.sh $(RUNNABLE)/wineprefix ctest --test-dir $(RUNNABLE) --output-on-failure -j 1

bench: build
	scripts/bench.sh $(RUNNABLE)

clean:
	rm -rf $(BUILD)
