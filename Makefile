MAKEFLAGS += --no-print-directory

BUILD := build
JOBS := $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test bench screenshots deps build clean

deps:
	@./tools/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@./$(BUILD)/velmora

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@./tools/bench.sh ./$(BUILD)/velmora_bench

screenshots: build
	@./tools/screenshots.sh ./$(BUILD)/velmora docs

clean:
	@rm -rf $(BUILD)
