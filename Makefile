# The two commands: `make run` and `make test`. Both install what is missing first.
BUILD   ?= build
JOBS    ?= $(shell nproc)
ARGS    ?=
# More options for the first configure of $(BUILD) and of the 64-bit copy, e.g.
# CMAKE_ARGS=-DKIRUNNER_WINE_RUNS_32BIT=OFF to test the 64-bit copy on a machine whose Wine runs
# 32-bit programs, or CMAKE_ARGS=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache.
CMAKE_ARGS ?=
# The build whose programs Wine runs here: $(BUILD), or a 64-bit copy of the same sources in
# $(BUILD)/x86_64 where Wine runs no 32-bit programs. Decided when $(BUILD) is first configured
# (cmake/tests-build.cmake) and read from $(BUILD)/tests-build.
RUNNABLE = $(shell cat $(BUILD)/tests-build)
# The cross toolchain's strip, as CMake found it for $(BUILD). It stamps the file it writes with
# SOURCE_DATE_EPOCH, else with the time of day.
STRIP = $(shell sed -n 's/^CMAKE_STRIP:FILEPATH=//p' $(BUILD)/CMakeCache.txt)

.PHONY: all deps configure configure-runnable build fast fast-tests run test bench dist dist-archive screenshots clean

all: build

# The 64-bit copy's compiler and Wine are asked for as well where the tests run that copy, or
# are about to be configured to.
WITH_64BIT_COPY = $(if $(findstring KIRUNNER_WINE_RUNS_32BIT=OFF,$(CMAKE_ARGS))$(filter-out $(abspath $(BUILD)),$(shell cat $(BUILD)/tests-build 2>/dev/null)),--with-64bit-copy)

deps:
	@scripts/install-deps.sh $(WITH_64BIT_COPY)

$(BUILD)/CMakeCache.txt $(BUILD)/tests-build &:
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS)

configure: deps $(BUILD)/CMakeCache.txt $(BUILD)/tests-build

# The runnable build configured too. Where it is the 64-bit copy, its compiler and Wine are
# installed before it is first configured, if they are not there yet (install-deps adds them by
# itself only where Wine's 32-bit half is missing, not where the copy was asked for).
configure-runnable: configure
	@set -e; \
	if [ "$(RUNNABLE)" != "$(abspath $(BUILD))" ] && [ ! -f $(RUNNABLE)/CMakeCache.txt ]; then \
	  { command -v x86_64-w64-mingw32-g++-posix >/dev/null && [ -x /usr/lib/wine/wine64 ]; } || \
	    scripts/install-deps.sh --with-64bit-copy; \
	  cmake -S . -B $(RUNNABLE) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS); \
	fi

# What the tests use, and the program to ship. Where the tests run the 64-bit copy, $(BUILD)
# builds the program alone (for `make dist`); the benchmarks are built by `make bench` only.
build: configure-runnable
	@set -e; \
	if [ "$(RUNNABLE)" = "$(abspath $(BUILD))" ]; then \
	  cmake --build $(BUILD) -j $(JOBS); \
	else \
	  echo "make build: the tests run from a 64-bit copy of the same sources, built in $(RUNNABLE)" \
	       "(decided when $(BUILD) was configured: $(BUILD)/tests-build); $(BUILD) builds the program to ship"; \
	  cmake --build $(BUILD) --target Kirunner -j $(JOBS); \
	  cmake --build $(RUNNABLE) -j $(JOBS); \
	fi

# The tests that need no screen (ctest -L fast), for the inner loop: once the builds are
# configured, no set-up is run and only the programs of those tests are built.
fast:
	@[ -f $(BUILD)/tests-build ] && [ -f "$$(cat $(BUILD)/tests-build)/CMakeCache.txt" ] || \
	  $(MAKE) --no-print-directory configure-runnable
	@$(MAKE) --no-print-directory fast-tests

fast-tests:
	cmake --build $(RUNNABLE) --target fast_tests -j $(JOBS)
	scripts/run-tests.sh $(BUILD) $(RUNNABLE) -L fast

# On a private screen (no DISPLAY of the caller's) the run takes a screenshot and ends.
run: configure-runnable
	cmake --build $(RUNNABLE) --target Kirunner -j $(JOBS)
	scripts/with-display.sh $(RUNNABLE)/wineprefix \
	  scripts/run.sh $(if $(DISPLAY),,--screenshot) $(RUNNABLE) $(ARGS)

# The release archive is made first, so that the suite's dist.archive test checks a current one.
# The run ends by saying which program it tested: the shipped 32-bit one, or the 64-bit copy.
test: build
	@$(MAKE) --no-print-directory dist-archive
	scripts/run-tests.sh $(BUILD) $(RUNNABLE)

bench: configure-runnable
	cmake --build $(RUNNABLE) --target Kirunner benchmarks -j $(JOBS)
	scripts/bench.sh $(RUNNABLE)

# dist/Kirunner-<version>.zip: the 32-bit release program (without symbols), the Japanese guide
# and the licence. (dist-archive: the same, once the set-up has run.)
dist: configure
	@$(MAKE) --no-print-directory dist-archive

dist-archive:
	@grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' $(BUILD)/CMakeCache.txt || \
	  { echo "dist: $(BUILD) is not a release build" >&2; exit 1; }
	cmake --build $(BUILD) --target Kirunner -j $(JOBS)
	mkdir -p $(BUILD)/dist
	SOURCE_DATE_EPOCH=0 $(STRIP) -o $(BUILD)/dist/Kirunner.exe $(BUILD)/Kirunner.exe
	python3 scripts/dist.py $(BUILD)/dist/Kirunner.exe docs/ja/guide.md LICENSE dist

# The guide's pictures (docs/ja/images), taken from the program under Wine on a private screen.
screenshots: configure-runnable
	scripts/guide-screenshots.sh $(RUNNABLE)

clean:
	rm -rf $(BUILD)
