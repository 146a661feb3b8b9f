# The two commands of the README: `make run` and `make test`. Each installs what a fresh
# Debian 12 machine lacks, configures once, builds and runs.
BUILD      ?= build
GENERATOR  ?= Ninja
JOBS       ?= $(shell nproc)

# The packages each target needs are named once, as profiles in scripts/packages.

.PHONY: all run test soak tidy build configure deps-build deps-test artwork screenshots clean \
        screenshots-windows check-windows windows check-windows-gui bench package check-package \
        sanitize fuzz check-reproducible check-debian13 check-labwc package-arm64 check-arm64 \
        window-layout web check-web

all: build

deps-build:
	@scripts/ensure-packages @build

deps-test:
	@scripts/ensure-packages @test

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps-build $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Every test but the long soak, which has a target of its own.
test: deps-test configure
	cmake --build $(BUILD) -j $(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) -LE soak

# 10,000 whole tests of the real windows in one process (about 2 minutes).
soak: deps-test configure
	cmake --build $(BUILD) -j $(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -L soak

# clang-tidy with the project's .clang-tidy over the layers that ship (about 4 minutes on
# 2 cores; each file parses much of Qt). TIDY_FOLDERS= takes every source file instead.
TIDY_FOLDERS ?= quiz sysinfo ui app
tidy: deps-build configure
	@scripts/ensure-packages @tidy
	cmake --build $(BUILD) -j $(JOBS)
	@JOBS=$(JOBS) scripts/tidy $(BUILD) $(TIDY_FOLDERS)

run: deps-build configure
	@scripts/ensure-packages @run
	cmake --build $(BUILD) -j $(JOBS) --target zelvarin
	$(BUILD)/app/zelvarin

# Draws every picture in assets/ anew (the result depends on neither time nor chance).
artwork: configure
	cmake --build $(BUILD) -j $(JOBS) --target zelvarin_artwork
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/artwork/zelvarin_artwork assets docs/artwork.png

# Photographs the real windows for docs/screenshots.
screenshots: configure
	@scripts/ensure-packages @screenshots
	cmake --build $(BUILD) -j $(JOBS) --target zelvarin_scenes
	scripts/screenshots $(BUILD) docs/screenshots

# Photographs the Windows program under Wine, as the GUI check sees it, for
# docs/screenshots/windows (needs `make windows`, whose first run builds Qt).
screenshots-windows: windows window-layout
	scripts/check-windows-gui $(WINDOWS_BUILD) $(WINDOW_LAYOUT) docs/screenshots/windows

clean:
	rm -rf $(BUILD)

# The parts without Qt built for 64-bit Windows (mingw-w64) and tested under Wine.
check-windows:
	@BUILD_MINGW=build-mingw JOBS=$(JOBS) scripts/check-windows

# The Windows program, cross-built with mingw-w64 against a static Qt that is built once from
# Debian's qt6-base source and kept in /var/cache/zelvarin (20 to 50 minutes on 2 cores):
# $(WINDOWS_BUILD)/zelvarin.exe, zelvarin-<version>-setup.exe, zelvarin-<version>-x64.msi,
# zelvarin-<version>-portable.zip and SHA256SUMS.
WINDOWS_BUILD ?= build-windows
windows:
	@JOBS=$(JOBS) scripts/build-windows $(WINDOWS_BUILD)

# Where the program puts its controls, read from the real windows by the Linux build, for the
# Windows GUI check.
WINDOW_LAYOUT := $(BUILD)/tools/layout/window-layout.json
window-layout: configure
	cmake --build $(BUILD) -j $(JOBS) --target zelvarin_window_layout_json

# The setup installed silently, the installed program driven with real input under Xvfb,
# openbox and Wine, and uninstalled again, in a fresh Wine prefix.
check-windows-gui: windows window-layout
	scripts/check-windows-gui $(WINDOWS_BUILD) $(WINDOW_LAYOUT)

# Start-up, peak memory and reaction times, measured side by side in one run as ratios to a
# bare Qt window (Release, in its own folder); then the
# start-up of the Windows program under Wine against a bare window on the same static Qt; then
# the web build in chromium: the first visit's size, its start-up against a bare Qt window on
# the same page, and Next question's reaction.
# Ends with key: value lines; docs/performance.md keeps the figures.
BENCH_BUILD      ?= build-bench
WINE_BENCH_BUILD ?= build-wine-bench
bench: deps-build
	@scripts/ensure-packages @bench
	@test -f $(BENCH_BUILD)/build.ninja || cmake -S . -B $(BENCH_BUILD) -G $(GENERATOR) \
		-DCMAKE_BUILD_TYPE=Release -DZELVARIN_WITH_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target zelvarin_bench
	python3 bench/run_bench.py $(BENCH_BUILD)/bench
	JOBS=$(JOBS) scripts/build-windows --bench $(WINE_BENCH_BUILD)
	python3 bench/wine_startup.py $(WINE_BENCH_BUILD)/cmake/bench
	JOBS=$(JOBS) scripts/build-web --bench $(WEB_BUILD)
	@scripts/ensure-packages @check-web
	cd tests/web && npm ci --no-audit --no-fund --silent
	node bench/web_bench.mjs $(WEB_BUILD)

# The Debian package $(PACKAGE_BUILD)/zelvarin_<version>_<arch>.deb and SHA256SUMS, made by
# CPack from a build for /usr in its own folder.
PACKAGE_BUILD          ?= build-package

package:
	@scripts/ensure-packages @package
	packaging/build-deb $(PACKAGE_BUILD) $(JOBS)

# Checks the package as a file (lintian, its files and metadata), then has piuparts install it
# in a Debian 12 chroot kept in /var/cache/zelvarin, validate it, start it and take a whole test
# by keys on a throw-away X desktop, read it as a screen reader would, and remove and purge it
# (root only). Also compiles the Windows resource script with windres.
check-package: package
	@scripts/ensure-packages @check-package
	packaging/check-package $(PACKAGE_BUILD)

# The same package installed, validated, started, played by keys, read by a screen reader,
# removed and purged by piuparts in a Debian 13 chroot made from Debian's archive and kept in
# /var/cache/zelvarin (about 2 minutes to make the first time, seconds afterwards). Root only.
check-debian13: package
	scripts/check-in-chroot trixie $(PACKAGE_BUILD)/zelvarin_*_amd64.deb

# The same package's program under labwc 0.8.3, the compositor of Raspberry Pi OS, headless in a
# Debian 13 chroot kept in /var/cache/zelvarin (tests/wayland/run-labwc-check): the lock, the
# first key after a click on the main window, the boxes, the placement. Root only.
check-labwc: package
	scripts/check-labwc-in-chroot $(PACKAGE_BUILD)/zelvarin_*_amd64.deb

# The package for 64-bit ARM (Raspberry Pi OS or Debian on a Raspberry Pi 4 or 5), cross-built
# here against Debian's arm64 Qt: $(PACKAGE_BUILD_ARM64)/zelvarin_<version>_arm64.deb and
# SHA256SUMS (about 2 minutes; the first run adds arm64 to dpkg and installs the cross tools).
PACKAGE_BUILD_ARM64 ?= build-package-arm64
package-arm64:
	@scripts/ensure-packages @package
	@scripts/ensure-cross-packages arm64
	packaging/build-deb $(PACKAGE_BUILD_ARM64) $(JOBS) arm64

# The arm64 package checked as a file; the tests built in the same folder and run under
# qemu-aarch64: the quiz, the launcher, the assets, the icons, the offscreen windows, and the
# real program read by a screen reader, driven under openbox and placed by sway (through
# binfmt_misc). Left out: ui_look, whose program starts itself again, which under qemu-user it
# cannot find; the stress tests, which outlast their 300 s in emulation; and the Wayland lock
# check, which types a whole test at once and then times the grade box's focus: emulated on a
# loaded machine about one run in four fails (none of ten natively under the same load), as
# the emulated program answers sway's focus changes seconds late. Its code is the same on
# every architecture, and `make test` runs it. Then the package installed,
# started and played by keys in an arm64 Debian 13 chroot under qemu, kept in
# /var/cache/zelvarin like the amd64 one.
ARM64_LEFT_OUT := ^(ui_look|stress_.*|wayland_lock)$$
check-arm64: package-arm64
	@scripts/ensure-packages @check-package
	packaging/check-package $(PACKAGE_BUILD_ARM64) arm64
	cmake --build $(PACKAGE_BUILD_ARM64) -j $(JOBS)
	ctest --test-dir $(PACKAGE_BUILD_ARM64) --output-on-failure -j $(JOBS) -E '$(ARM64_LEFT_OUT)'
	scripts/check-in-chroot trixie $(PACKAGE_BUILD_ARM64)/zelvarin_*_arm64.deb

# The program for a browser, built with Debian 13's emscripten in a Debian 13 chroot against a
# Qt for WebAssembly built once from Debian 13's qt6-base source and kept in /var/cache/zelvarin
# (about 10 minutes on 2 idle cores): $(WEB_BUILD)/zelvarin/, the folder any web server serves,
# zelvarin-web-<version>.zip, the source archive and SHA256SUMS. Root only (it mounts a chroot).
WEB_BUILD ?= build-web
web:
	@JOBS=$(JOBS) scripts/build-web $(WEB_BUILD)

# The web build in Debian's chromium, headless, driven by playwright-core (tests/web), its
# windows compared with the X11 build's.
check-web: web build
	@scripts/ensure-packages @check-web
	scripts/check-web $(WEB_BUILD) $(BUILD)

# The last commit built again by Debian's reprotest from a clean clone, with the folder, clock,
# time zone, locale, umask, HOME, PATH, CPUs, kernel version and file order varied: the .deb,
# zelvarin.exe, the setup, the MSI, the portable zip, the arm64 .deb and the web zip with its
# source archive must come out the same, byte for byte, as in $(PACKAGE_BUILD),
# $(WINDOWS_BUILD), $(PACKAGE_BUILD_ARM64) and $(WEB_BUILD) (a clean clone where the checkout
# has uncommitted changes); diffoscope shows any difference. A few minutes once the static Qts
# are there.
check-reproducible:
	@scripts/ensure-packages @package
	@scripts/ensure-cross-packages arm64
	@JOBS=$(JOBS) scripts/check-reproducible $(PACKAGE_BUILD) $(WINDOWS_BUILD) $(PACKAGE_BUILD_ARM64) $(WEB_BUILD)

# Every test again with AddressSanitizer and UndefinedBehaviorSanitizer (LeakSanitizer on), in
# build-sanitize/; any report fails its test.
sanitize: deps-test
	@JOBS=$(JOBS) scripts/sanitize build-sanitize

# The system-information launcher under libFuzzer for FUZZ_SECONDS, from tests/fuzz/corpus,
# in build-fuzz/ (clang).
FUZZ_SECONDS ?= 60
fuzz: deps-build
	@scripts/ensure-packages @fuzz
	@JOBS=$(JOBS) scripts/fuzz $(FUZZ_SECONDS)
