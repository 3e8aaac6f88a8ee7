# Vexlor Slots: `make run` plays, `make test` checks. Both install what they need.
BUILD_DIR   := build
TEST_DIR    := build-test
BENCH_DIR   := build
GENERATOR   := -G Ninja
CTEST_FLAGS := --output-on-failure -j2

.PHONY: all deps build run test bench format format-check clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR)

run: build
	./$(BUILD_DIR)/bin/vexlorslots

test: deps format-check
	cmake -S . -B $(TEST_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DVEXLOR_SANITIZE=ON
	cmake --build $(TEST_DIR)
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
	  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest $(CTEST_FLAGS)

bench: build
	./$(BENCH_DIR)/bin/engine_bench

SOURCES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null)

format:
	clang-format -i $(SOURCES)

format-check:
	@clang-format --dry-run --Werror $(SOURCES)

clean:
	rm -rf $(BUILD_DIR) $(TEST_DIR)
