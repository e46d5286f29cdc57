MAKEFLAGS += --no-print-directory

BUILD := build
JOBS := $(shell nproc 2>/dev/null || echo 2)
# Developers and CI hold the code to no warnings at all; a packager's build does not fail on a
# warning a newer compiler adds.
CONFIGURE := cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=ON

.PHONY: run test bench sanitize screenshots deps build clean

deps:
	@./tools/install-deps.sh build test

build: deps
	@$(CONFIGURE) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@./$(BUILD)/velmora

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps
	@$(CONFIGURE) -DVELMORA_BUILD_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@./tools/bench.sh ./$(BUILD)/velmora_bench

# Every test built with clang under AddressSanitizer and UndefinedBehaviorSanitizer, in a build
# folder of its own.
SANITIZERS := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
sanitize:
	@./tools/install-deps.sh build test sanitize
	@JOBS=$(JOBS) ./tools/sanitize.sh build-sanitize clang++ "$(SANITIZERS)"

screenshots: build
	@./tools/screenshots.sh ./$(BUILD)/velmora docs

clean:
	@rm -rf $(BUILD) build-sanitize
