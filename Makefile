MAKEFLAGS += --no-print-directory

BUILD := build
JOBS := $(shell nproc 2>/dev/null || echo 2)
# Developers and CI hold the code to no warnings at all; a packager's build does not fail on a
# warning a newer compiler adds.
CONFIGURE := cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=ON

# make install [PREFIX=/usr/local] [DESTDIR=...]: the standard install directories under the
# prefix, all of them under DESTDIR when it is given.
PREFIX := /usr/local

.PHONY: run test bench soak sanitize monkey e2e-under-load screenshots deps build install package \
	windows windows-test web web-test clean

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

# The .deb and the .rpm, built as a distribution's packager builds them: a release build in a
# folder of its own, without the tests and without installing what they need; lintian checks the
# .deb.
PACKAGE_BUILD := build-package
package:
	@./tools/install-deps.sh build package
	@cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	@cd $(PACKAGE_BUILD) && cpack
	@lintian --fail-on error $(PACKAGE_BUILD)/velmora_*.deb

# Start-up, pace and cost in a real window against their targets, e.g. `make bench
# BENCH_SECONDS=30` for longer runs of the demonstration.
BENCH_SECONDS := 10
bench: deps
	@$(CONFIGURE) -DVELMORA_BUILD_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target velmora_bench
	@./tools/private_x.sh ./$(BUILD)/velmora_bench $(BENCH_SECONDS)

# The demonstration left running, its memory, pixmaps, widgets and pace sampled every 30 s, e.g.
# `make soak SOAK_MINUTES=120`.
SOAK_MINUTES := 30
soak:
	@./tools/install-deps.sh build test soak
	@$(CONFIGURE) -DVELMORA_BUILD_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target velmora_soak
	@./tools/private_x.sh ./$(BUILD)/velmora_soak $(SOAK_MINUTES)

# Every test built with clang under AddressSanitizer and UndefinedBehaviorSanitizer, in a build
# folder of its own.
SANITIZERS := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
sanitize:
	@./tools/install-deps.sh build test sanitize
	@JOBS=$(JOBS) ./tools/sanitize.sh build-sanitize clang++ "$(SANITIZERS)"

# Seeded random input on the program in a private X server, e.g.
# `make monkey MONKEY_SECONDS=600 MONKEY_SEED=7`; a failure names its seed for a replay.
MONKEY_SECONDS := 60
MONKEY_SEED := $(shell date +%s)
monkey: build
	@./tools/monkey.sh ./$(BUILD)/velmora $(MONKEY_SECONDS) $(MONKEY_SEED) \
		./$(BUILD)/tests/close_box ./$(BUILD)/tests/repainted

# Every end-to-end test 20 runs in a row while two processes keep both cores busy, e.g.
# `make e2e-under-load E2E_RUNS=5`: a test that fails by chance fails here.
E2E_RUNS := 20
e2e-under-load: build
	@./tools/install-deps.sh check
	@./tools/e2e_under_load.sh $(BUILD) $(E2E_RUNS)

# Velmora for 64-bit Windows, into build-windows/: velmora.exe, the portable zip, the NSIS installer
# and the MSI, cross-compiled with MinGW-w64 against a Qt for Windows that the first run builds
# from Debian's source into ~/.cache/velmora (about 25 minutes on 2 cores). The Linux build draws
# the icon for it. `make windows-test` tests all of it under Wine.
WINDOWS_BUILD := build-windows
windows: deps
	@./tools/install-deps.sh windows
	@$(CONFIGURE) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target velmora desktop_files
	@JOBS=$(JOBS) ./tools/windows/build.sh $(WINDOWS_BUILD) $(BUILD)

windows-test: windows
	@JOBS=$(JOBS) ./tools/windows/test.sh $(WINDOWS_BUILD) $(BUILD)

# Velmora for the browser, into build-web/: index.html, the loader, velmora.wasm, the manifest and
# the icons, for any static web server, compiled with Emscripten against a Qt for WebAssembly that
# the first run builds from Debian's source into ~/.cache/velmora (about 45 minutes on 2 cores).
# The Linux build draws the icons for it. `make web-test` tests the page in a headless Chromium.
WEB_BUILD := build-web
web: deps
	@./tools/install-deps.sh web
	@$(CONFIGURE) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target velmora desktop_files
	@JOBS=$(JOBS) ./tools/web/build.sh $(WEB_BUILD) $(BUILD)

web-test: web
	@./tools/install-deps.sh test
	@./tools/web/test.sh $(WEB_BUILD) $(BUILD)

screenshots: build
	@./tools/screenshots.sh ./$(BUILD)/velmora docs

clean:
	@rm -rf $(BUILD) build-sanitize $(PACKAGE_BUILD) $(WINDOWS_BUILD) $(WEB_BUILD) $(WEB_BUILD)-tree
