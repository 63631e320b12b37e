# The two commands: `make run` and `make test`. Both install what is missing first.
BUILD   ?= build
JOBS    ?= $(shell nproc)
ARGS    ?=
# More options for the first configure, e.g. CMAKE_ARGS=-DKIRUNNER_WINE_RUNS_32BIT=OFF to test the
# 64-bit copy on a machine whose Wine runs 32-bit programs.
CMAKE_ARGS ?=
# The build whose programs Wine runs here: $(BUILD), or a 64-bit copy of the same sources in
# $(BUILD)/x86_64 where Wine runs no 32-bit programs. Decided when $(BUILD) is first configured
# (cmake/tests-build.cmake) and read from $(BUILD)/tests-build.
RUNNABLE = $(shell cat $(BUILD)/tests-build)
# The cross toolchain's strip, as CMake found it for $(BUILD). It stamps the file it writes with
# SOURCE_DATE_EPOCH, else with the time of day.
STRIP = $(shell sed -n 's/^CMAKE_STRIP:FILEPATH=//p' $(BUILD)/CMakeCache.txt)

.PHONY: all deps configure build run test bench dist screenshots clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/CMakeCache.txt $(BUILD)/tests-build &:
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS)

configure: deps $(BUILD)/CMakeCache.txt $(BUILD)/tests-build

build: configure
	cmake --build $(BUILD) -j $(JOBS)
	@if [ "$(RUNNABLE)" != "$(abspath $(BUILD))" ]; then \
	  echo "make build: Wine on this machine runs no 32-bit programs (found when $(BUILD) was configured);"; \
	  echo "make build: the tests run from a 64-bit copy of the same sources, built in $(RUNNABLE)"; \
	  [ -f $(RUNNABLE)/CMakeCache.txt ] || cmake -S . -B $(RUNNABLE) \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release; \
	  cmake --build $(RUNNABLE) -j $(JOBS); \
	fi

# On a private screen (no DISPLAY of the caller's) the run takes a screenshot and ends.
run: build
	scripts/with-display.sh $(RUNNABLE)/wineprefix \
	  scripts/run.sh $(if $(DISPLAY),,--screenshot) $(RUNNABLE) $(ARGS)

# The release archive is made first, so that the suite's dist.archive test checks a current one.
# The run ends by saying which program it tested: the shipped 32-bit one, or the 64-bit copy.
test: build
	@$(MAKE) --no-print-directory dist
	scripts/run-tests.sh $(BUILD) $(RUNNABLE)

bench: build
	scripts/bench.sh $(RUNNABLE)

# dist/Kirunner-<version>.zip: the 32-bit release program (without symbols), the Japanese guide
# and the licence.
dist: configure
	@grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' $(BUILD)/CMakeCache.txt || \
	  { echo "dist: $(BUILD) is not a release build" >&2; exit 1; }
	cmake --build $(BUILD) --target Kirunner -j $(JOBS)
	mkdir -p $(BUILD)/dist
	SOURCE_DATE_EPOCH=0 $(STRIP) -o $(BUILD)/dist/Kirunner.exe $(BUILD)/Kirunner.exe
	python3 scripts/dist.py $(BUILD)/dist/Kirunner.exe docs/ja/guide.md LICENSE dist

# The guide's pictures (docs/ja/images), taken from the program under Wine on a private screen.
screenshots: build
	scripts/guide-screenshots.sh $(RUNNABLE)

clean:
	rm -rf $(BUILD)
