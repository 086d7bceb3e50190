# Entry points: `make run` plays the game, `make test` runs every test (what CI runs).
# Each build lives in a folder of its own so switching between them stays incremental.
BUILD       ?= build
TEST_BUILD  ?= build-test
BENCH_BUILD ?= build-bench
FUZZ_BUILD  ?= build-fuzz
JOBS        ?= $(shell nproc)
FUZZ_SECONDS ?= 60
FUZZ_TEST_SECONDS ?= 3
CMAKE_FLAGS ?=

.PHONY: all setup run game test fuzz-briefly bench fuzz forge install package screenshots clean

all: game

setup:
	@tools/setup.sh

$(BUILD)/CMakeCache.txt: | setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_TESTS=OFF $(CMAKE_FLAGS)

game: setup $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target quorvane data

run: game
	./$(BUILD)/quorvane $(ARGS)

# PREFIX (default: the build's CMAKE_INSTALL_PREFIX, /usr/local) and DESTDIR are honoured.
install: game
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

# A Debian package in $(BUILD)/, installed with `apt install ./$(BUILD)/quorvane_*.deb`.
package: game
	cd $(BUILD) && cpack -G DEB

# The README's screenshots in docs/, made by the game itself in its test mode (tools/screenshots.sh).
screenshots: game
	tools/screenshots.sh $(BUILD) docs

forge: setup $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target data

$(TEST_BUILD)/CMakeCache.txt: | setup
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
	      -DQV_SANITIZE=ON -DQV_WERROR=ON -DQV_TESTS=ON $(CMAKE_FLAGS)

test: setup $(TEST_BUILD)/CMakeCache.txt
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory fuzz-briefly

# Part of `make test`: the fuzz targets built with clang as `make fuzz` builds them, each run for a
# few seconds, so the fuzz build cannot rot unnoticed. New inputs stay in the build folder.
fuzz-briefly: setup $(FUZZ_BUILD)/CMakeCache.txt
	@grep -q fuzz_targets $(FUZZ_BUILD)/Makefile || cmake $(FUZZ_BUILD) > /dev/null  # a folder older than the target
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	tests/fuzz/run_all.sh $(FUZZ_BUILD) $(FUZZ_TEST_SECONDS) $(FUZZ_BUILD)/new-inputs

$(BENCH_BUILD)/CMakeCache.txt: | setup
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DQV_TESTS=OFF -DQV_BENCH=ON $(CMAKE_FLAGS)

bench: setup $(BENCH_BUILD)/CMakeCache.txt
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	bench/run_all.sh $(BENCH_BUILD)

$(FUZZ_BUILD)/CMakeCache.txt: | setup
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_FUZZ=ON \
	      -DQV_TESTS=OFF $(CMAKE_FLAGS)

fuzz: setup $(FUZZ_BUILD)/CMakeCache.txt
	@grep -q fuzz_targets $(FUZZ_BUILD)/Makefile || cmake $(FUZZ_BUILD) > /dev/null
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	tests/fuzz/run_all.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(TEST_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
