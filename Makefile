# SPDX-License-Identifier: GPL-3.0-or-later
# Vexlor Slots: `make run` plays, `make test` checks. Both install what they need.
BUILD_DIR   := build
TEST_DIR    := build-test
BENCH_DIR   := build-bench
FUZZ_DIR    := build-fuzz
GENERATOR   := -G Ninja
CTEST_FLAGS := --output-on-failure -j2
PREFIX      ?= /usr/local

# What each build holds besides the game's libraries.
GAME_ONLY   := -DVEXLOR_BUILD_GAME=ON -DVEXLOR_BUILD_TESTS=OFF -DVEXLOR_BUILD_BENCH=OFF
WITH_TESTS  := -DVEXLOR_BUILD_GAME=ON -DVEXLOR_BUILD_TESTS=ON -DVEXLOR_BUILD_BENCH=ON
WITH_BENCH  := -DVEXLOR_BUILD_GAME=ON -DVEXLOR_BUILD_TESTS=OFF -DVEXLOR_BUILD_BENCH=ON
FUZZ_ONLY   := -DVEXLOR_BUILD_GAME=OFF -DVEXLOR_BUILD_TESTS=OFF -DVEXLOR_BUILD_BENCH=OFF \
               -DVEXLOR_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++

.PHONY: all build run install uninstall package test bench fuzz format format-check clean

all: build

# The game and what it loads, nothing else.
build:
	@scripts/install-deps game
	cmake -S . -B $(BUILD_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release $(GAME_ONLY)
	cmake --build $(BUILD_DIR)

run: build
	./$(BUILD_DIR)/bin/vexlorslots

# The game as a desktop application: the programs in PREFIX/bin, what they
# read in PREFIX/share/vexlorslots, the menu entry, its icons and metainfo,
# the copyright and changelog in PREFIX/share/doc/vexlorslots.
# Through sudo when PREFIX is not the user's to write.
install: build
	@mkdir -p "$(PREFIX)" 2>/dev/null || true; \
	if [ "$$(id -u)" -eq 0 ] || [ -w "$(PREFIX)" ]; then sudo=; else sudo=sudo; fi; \
	echo "$$sudo cmake --install $(BUILD_DIR) --prefix $(PREFIX)"; \
	$$sudo cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

# Takes out what `make install` put in PREFIX, as BUILD_DIR/install_manifest.txt
# lists it, and the folders that leaves empty up to PREFIX. Files the list
# names outside PREFIX (another install's) are named and left, and it fails.
uninstall:
	@manifest=$(BUILD_DIR)/install_manifest.txt; \
	if [ ! -f "$$manifest" ]; then \
	  echo "uninstall: no $$manifest: nothing was installed from $(BUILD_DIR)" >&2; exit 1; \
	fi; \
	prefix=$$(realpath -m "$(PREFIX)"); left=; \
	if [ "$$(id -u)" -eq 0 ] || [ -w "$$prefix" ]; then sudo=; else sudo=sudo; fi; \
	while IFS= read -r file || [ -n "$$file" ]; do \
	  case "$$file" in \
	    "$$prefix"/*) ;; \
	    *) echo "uninstall: $$file is not under $$prefix: left" >&2; left=1; continue ;; \
	  esac; \
	  echo "$${sudo:+sudo }rm -f $$file"; $$sudo rm -f "$$file"; \
	  folder=$${file%/*}; \
	  while [ "$$folder" != "$$prefix" ] && $$sudo rmdir "$$folder" 2>/dev/null; do \
	    folder=$${folder%/*}; \
	  done; \
	done < "$$manifest"; \
	if [ -n "$$left" ]; then echo "uninstall: $$manifest names another PREFIX" >&2; exit 1; fi

# The same as a Debian package, vexlorslots_VERSION_ARCH.deb in BUILD_DIR,
# with the programs in /usr/games.
package:
	@scripts/install-deps package
	@$(MAKE) --no-print-directory build
	cmake --build $(BUILD_DIR) --target package

# Debug with AddressSanitizer and UBSan: every test; the benchmarks are built too.
test:
	@scripts/install-deps test
	@$(MAKE) --no-print-directory format-check
	cmake -S . -B $(TEST_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DVEXLOR_SANITIZE=ON \
	  -DVEXLOR_WERROR=ON $(WITH_TESTS)
	cmake --build $(TEST_DIR)
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
	  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest $(CTEST_FLAGS)

bench:
	@scripts/install-deps bench
	cmake -S . -B $(BENCH_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release $(WITH_BENCH)
	cmake --build $(BENCH_DIR)
	./$(BENCH_DIR)/bin/engine_bench
	./$(BENCH_DIR)/bin/store_bench
	./$(BENCH_DIR)/bin/plays_bench
	./$(BENCH_DIR)/bin/math_bench
	QT_QPA_PLATFORM=offscreen ./$(BENCH_DIR)/bin/window_bench
	# The whole game on the display in DISPLAY (skipped without one): about 4 minutes.
	SDL_AUDIODRIVER=dummy ./$(BENCH_DIR)/bin/process_bench

SOURCES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null)

format:
	clang-format -i $(SOURCES)

format-check:
	@clang-format --dry-run --Werror $(SOURCES)

clean:
	rm -rf $(BUILD_DIR) $(TEST_DIR) $(BENCH_DIR) $(FUZZ_DIR)

FUZZ_SECONDS ?= 60
FUZZ_HARNESSES := profile_fuzz integer_fuzz testing_fuzz plays_fuzz jpeg_fuzz wav_fuzz midi_fuzz soundfont_fuzz

# Fuzzes every harness of fuzz/ for FUZZ_SECONDS each, one after the other, one
# process each, starting from the seed corpus in fuzz/corpus (new finds stay in
# build-fuzz). The media harnesses take larger inputs that may run longer.
fuzz:
	@scripts/install-deps fuzz
	cmake -S . -B $(FUZZ_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(FUZZ_ONLY)
	cmake --build $(FUZZ_DIR)
	for h in $(FUZZ_HARNESSES); do \
	  case $$h in \
	    jpeg_fuzz) flags="-max_len=16384 -timeout=60" ;; \
	    wav_fuzz) flags="-max_len=8192 -timeout=60" ;; \
	    midi_fuzz|soundfont_fuzz) flags="-max_len=4096 -timeout=60" ;; \
	    *) flags="" ;; \
	  esac; \
	  mkdir -p $(FUZZ_DIR)/corpus/$$h && cp -n fuzz/corpus/$$h/* $(FUZZ_DIR)/corpus/$$h/ ; \
	  QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
	  $(FUZZ_DIR)/bin/$$h -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $$flags \
	    -artifact_prefix=$(FUZZ_DIR)/$$h- $(FUZZ_DIR)/corpus/$$h || exit 1; \
	done
