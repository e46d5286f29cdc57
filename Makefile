MAKEFLAGS += --no-print-directory

BUILD := build
JOBS := $(shell nproc 2>/dev/null || echo 2)
# Developers and CI hold the code to no warnings at all; a packager's build does not fail on a
# warning a newer compiler adds.
CONFIGURE := cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=ON

# make install [PREFIX=/usr/local] [DESTDIR=...]: the standard install directories under the
# prefix, all of them under DESTDIR when it is given.
PREFIX := /usr/local

.PHONY: run test bench screenshots deps build install package clean

deps:
	@./tools/install-deps.sh build test

build: deps
	@$(CONFIGURE) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@./$(BUILD)/velmora

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

install: build
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The .deb and the .rpm, into build/; lintian checks the .deb.
package: build
	@./tools/install-deps.sh package
	@cd $(BUILD) && cpack
	@lintian --fail-on error $(BUILD)/velmora_*.deb

bench: deps
	@$(CONFIGURE) -DVELMORA_BUILD_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@./tools/bench.sh ./$(BUILD)/velmora_bench

screenshots: build
	@./tools/screenshots.sh ./$(BUILD)/velmora docs

clean:
	@rm -rf $(BUILD)
