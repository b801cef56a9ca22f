# The two everyday commands, each doing its own set-up on Debian:
#   make run          builds the program and opens its window
#   make test         builds everything and runs every test
# and a few more:
#   make screenshot   writes docs/screenshot-linux.png, without a display
#   make worksheet-picture  writes docs/worksheet-page-1.png, printed by LibreOffice
#   make bench        runs the benchmarks
#   make install      installs the program for the desktop (PREFIX=/usr/local)
#   make package      a Debian package of the program, in dist/
#   make e2e          installs that package and uses it as a teacher would (as root)
#   make windows      the Windows program, its zip and its installer, in dist/
#   make windows-screenshot  writes docs/screenshot-windows.png, drawn under Wine
# and the hardening checks that CI runs too:
#   make sanitize     every test again, built with AddressSanitizer and UBSan
#   make fuzz         each fuzz target for FUZZ_SECONDS (60) with libFuzzer
#   make lint         clang-tidy and cppcheck
#   make windows-test the Windows window and every layer's tests, built for Windows, run under Wine
#   make test-debian13  'make test' again on a fresh minimal Debian 13, in a chroot (as root)
#   make web          the form as a web page, in dist/web
#   make web-screenshot  writes docs/screenshot-web.png and -phone.png, drawn by headless Chromium
#   make web-print-picture  writes docs/worksheet-print-page-1.png and -2.png, the page's print
#   make web-serve    serves dist/web on http://127.0.0.1:8000/ for trying the page
#   make web-test     the layers' tests as WebAssembly under node, and the page in three engines
#   make release      every download of this version, its source and SHA256SUMS, in dist/release
#   make release-check  the release built twice, in other surroundings, must be the same bytes

BUILD ?= build
# Where the Debian package, the Windows program and the web page are built, and where what a
# teacher downloads is left ('make release' sets its own).
PACKAGE_BUILD ?= build-package
WINDOWS_BUILD ?= build-windows
WEB_BUILD ?= build-web
DIST ?= dist
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX ?= /usr/local
CMAKE_FLAGS ?=
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = number_text zoned_line_writer worksheet
VERSION = $(shell sed -n 's/^ *VERSION \([0-9.]*\)$$/\1/p' CMakeLists.txt)
# The window's build, without the tests (their packages are the test command's).
CONFIGURE_WINDOW = cmake -S . -B $(BUILD) -DBUILD_TESTING=OFF $(CMAKE_FLAGS)
# The Windows build, cross-compiled with mingw-w64.
CONFIGURE_WINDOWS = cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DBUILD_TESTING=ON -DARITHMITIKA_DIST=$(abspath $(DIST)) $(CMAKE_FLAGS)

.PHONY: run test build screenshot worksheet-picture bench install package e2e sanitize fuzz lint windows windows-screenshot \
    windows-test test-debian13 web web-screenshot web-print-picture web-serve web-test release release-check clean

run:
	@tools/setup-debian.sh build window
	$(CONFIGURE_WINDOW)
	cmake --build $(BUILD) -j $(JOBS) --target arithmitika
	@if [ -z "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}$${QT_QPA_PLATFORM:-}" ]; then \
	    echo "There is no display here (neither DISPLAY nor WAYLAND_DISPLAY is set), so the"; \
	    echo "window cannot open. 'make screenshot' draws it into docs/screenshot-linux.png instead."; \
	    exit 1; \
	fi
	$(BUILD)/app/arithmitika

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

build:
	@tools/setup-debian.sh build window tests
	cmake -S . -B $(BUILD) -DBUILD_TESTING=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

screenshot:
	@tools/setup-debian.sh build window
	$(CONFIGURE_WINDOW)
	cmake --build $(BUILD) -j $(JOBS) --target window_screenshot
	mkdir -p docs
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/window_screenshot docs/screenshot-linux.png

# The first printed page of the sample worksheet, as LibreOffice prints it, for the teacher's guide.
worksheet-picture:
	@tools/setup-debian.sh build window picture
	$(CONFIGURE_WINDOW)
	cmake --build $(BUILD) -j $(JOBS) --target sample_worksheet
	mkdir -p docs
	tools/worksheet_picture.sh $(BUILD)/tools/sample_worksheet docs/worksheet-page-1.png

bench: build web
	@tools/setup-debian.sh browser npm
	$(BUILD)/bench/numerals_bench
	$(BUILD)/bench/paper_bench
	$(BUILD)/bench/startup_bench
	$(WEB_ENV) cmake --build $(WEB_BUILD) --target form_table
	node --no-experimental-fetch $(WEB_BUILD)/web_page/form_table.js > $(WEB_BUILD)/form_table.tsv
	bench/page_start.py $(DIST)/web $(WEB_BUILD)/form_table.tsv
	rm -rf $(WEB_BUILD)/bench-npm
	mkdir -p $(WEB_BUILD)/bench-npm
	cp bench/npm/package.json bench/npm/package-lock.json $(WEB_BUILD)/bench-npm/
	cd $(WEB_BUILD)/bench-npm && npm ci --ignore-scripts --no-audit --no-fund
	bench/page_lighthouse.py $(DIST)/web $(WEB_BUILD)/form_table.tsv $(WEB_BUILD)/bench-npm

install:
	@tools/setup-debian.sh build window
	$(CONFIGURE_WINDOW) -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(BUILD) -j $(JOBS) --target arithmitika
	cmake --install $(BUILD)

# A Debian package of the program in dist/, built for /usr with Debian's hardening flags;
# lintian must find nothing in it. Its AppStream check (lintian on Debian 13 has one, on 12
# none) is run by our own script instead, which knows the one warning that AppStream 1.0
# raises for a program without a homepage.
LINTIAN_APPSTREAM = appstream-metadata-validation-failed
package:
	@tools/setup-debian.sh build window package
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	    cmake -S . -B $(PACKAGE_BUILD) -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
	    -DARITHMITIKA_DIST=$(abspath $(DIST)) $(CMAKE_FLAGS)
	cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target arithmitika compressed_documents form_table
	cd $(PACKAGE_BUILD) && cpack -G DEB
	lintian --fail-on error,warning --info \
	    $$(lintian-explain-tags $(LINTIAN_APPSTREAM) >/dev/null 2>&1 && \
	        echo --suppress-tags $(LINTIAN_APPSTREAM)) \
	    $(DIST)/arithmitika_$(VERSION)_amd64.deb
	rm -rf $(PACKAGE_BUILD)/unpacked
	dpkg-deb -x $(DIST)/arithmitika_$(VERSION)_amd64.deb $(PACKAGE_BUILD)/unpacked
	tools/validate-metainfo.sh validate-tree $(PACKAGE_BUILD)/unpacked

# A teacher's first day on a real X server: installs the package above, uses the program as a
# fresh account would, with key presses, clicks and the accessibility bus, then purges the
# package. It changes the machine, so it is not part of 'make test'; it must run as root.
e2e: package
	@tools/setup-debian.sh e2e
	mkdir -p build-e2e
	$(PACKAGE_BUILD)/tools/form_table > build-e2e/form_table.tsv
	/usr/bin/python3 tests/e2e/teacher_first_day.py $(DIST)/arithmitika_$(VERSION)_amd64.deb \
	    build-e2e/form_table.tsv tests/worksheet/data/sample_numbers_converted.txt \
	    build-e2e/screenshots

sanitize:
	@tools/setup-debian.sh build window tests
	cmake -S . -B build-sanitize -DARITHMITIKA_SANITIZE=ON -DBUILD_TESTING=ON \
	    -DCMAKE_BUILD_TYPE=Debug $(CMAKE_FLAGS)
	cmake --build build-sanitize -j $(JOBS)
	ctest --test-dir build-sanitize --output-on-failure -j $(JOBS)

# New inputs go to build-fuzz/corpus, faults to build-fuzz/artifacts; the checked-in seeds and
# regressions are only read.
fuzz:
	@tools/setup-debian.sh build fuzz
	CXX=clang++ cmake -S . -B build-fuzz -DARITHMITIKA_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS)
	@for target in $(FUZZ_TARGETS); do \
	    mkdir -p build-fuzz/corpus/$$target build-fuzz/artifacts; \
	    regressions=$$(test -d fuzz/regressions/$$target && echo fuzz/regressions/$$target); \
	    echo "fuzzing $$target for $(FUZZ_SECONDS) s"; \
	    build-fuzz/fuzz/$${target}_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	        -artifact_prefix=build-fuzz/artifacts/$$target- \
	        build-fuzz/corpus/$$target fuzz/corpus/$$target $$regressions || exit 1; \
	done

# The Windows code is checked against the cross build's compile commands (configured only).
lint: build
	@tools/setup-debian.sh lint windows
	$(CONFIGURE_WINDOWS) >/dev/null
	tools/lint.sh $(BUILD) $(JOBS) $(WINDOWS_BUILD)

# Wine runs with UTF-8 texts (Greek window titles), quietly, and without the .NET and HTML
# engines it would offer to download.
WINE_ENV = WINEPREFIX=$(CURDIR)/$(WINDOWS_BUILD)/wine WINEDEBUG=-all LANG=C.UTF-8 \
    WINEDLLOVERRIDES="mscoree,mshtml="

# The Windows program, cross-compiled with mingw-w64: dist/arithmitika.exe, the portable zip
# and the per-user installer.
windows:
	@tools/setup-debian.sh build windows
	$(CONFIGURE_WINDOWS)
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	cmake --build $(WINDOWS_BUILD) --target windows_dist

# A picture of the Windows window, drawn under Wine without a display.
windows-screenshot: windows
	@tools/setup-debian.sh wine
	tools/wine-prefix.sh $(CURDIR)/$(WINDOWS_BUILD)/wine
	mkdir -p docs
	$(WINE_ENV) wine $(WINDOWS_BUILD)/tools/window_screenshot.exe \
	    "$$($(WINE_ENV) winepath --windows $(CURDIR)/docs/screenshot-windows.png)"

windows-test: windows
	@tools/setup-debian.sh wine
	tools/wine-prefix.sh $(CURDIR)/$(WINDOWS_BUILD)/wine
	$(WINE_ENV) ctest --test-dir $(WINDOWS_BUILD) --output-on-failure

# The form as a web page and the layers below it, compiled to WebAssembly with Debian's
# emscripten (its prebuilt system libraries need no network; em++ finds its JavaScript helpers
# through NODE_PATH).
WEB_ENV = NODE_PATH=/usr/share/nodejs
CONFIGURE_WEB = $(WEB_ENV) emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DBUILD_TESTING=ON -DARITHMITIKA_DIST=$(abspath $(DIST)) $(CMAKE_FLAGS)

web:
	@tools/setup-debian.sh build web
	$(CONFIGURE_WEB)
	$(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS) --target web_dist

# The two pages a teacher gets when she prints the page, as Chromium prints them on A4.
web-print-picture: web
	@tools/setup-debian.sh browser
	mkdir -p docs
	/usr/bin/python3 tools/web_print_picture.py $(DIST)/web docs/worksheet-print-page

# The page from this computer, as a school's web server would serve it (any static server will).
web-serve: web
	@echo "The page is at http://127.0.0.1:8000/ (Ctrl+C stops it)."
	/usr/bin/python3 -m http.server 8000 --bind 127.0.0.1 --directory $(DIST)/web

# The page opened from disk, as a teacher opens it from a USB stick: at the form's own size, and
# on a phone's screen, where it is arranged for a small screen.
WEB_SCREENSHOT = chromium --headless=new --no-sandbox --disable-gpu --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --hide-scrollbars --virtual-time-budget=5000
web-screenshot: web
	@tools/setup-debian.sh browser
	mkdir -p docs
	$(WEB_SCREENSHOT) --window-size=645,412 --screenshot=docs/screenshot-web.png \
	    file://$(abspath $(DIST))/web/index.html
	$(WEB_SCREENSHOT) --window-size=390,844 --screenshot=docs/screenshot-web-phone.png \
	    file://$(abspath $(DIST))/web/index.html

# The layers' tests run under node, where size_t has 32 bits; what needs a facility that
# WebAssembly lacks is skipped, with the reason printed. Then the page, served and from disk,
# in Chromium, WebKitGTK and Firefox, audited by axe-core (axe-core and puppeteer-core, which
# drives Firefox, are pinned in tests/web_page/npm and installed with npm ci into the build
# folder).
web-test: web
	@tools/setup-debian.sh browser npm
	$(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS)
	ctest --test-dir $(WEB_BUILD) --output-on-failure -j $(JOBS)
	@grep -a -h -A1 ': Skipped$$' $(WEB_BUILD)/Testing/Temporary/LastTest.log | grep -v -e '^--$$' \
	    -e ': Skipped$$' | sort | uniq -c | sed 's/^ *\([0-9]*\) /skipped (\1): /'
	node --no-experimental-fetch $(WEB_BUILD)/web_page/form_table.js > $(WEB_BUILD)/form_table.tsv
	rm -rf $(WEB_BUILD)/npm
	mkdir -p $(WEB_BUILD)/npm
	cp tests/web_page/npm/package.json tests/web_page/npm/package-lock.json \
	    tests/web_page/firefox_bridge.mjs $(WEB_BUILD)/npm/
	cd $(WEB_BUILD)/npm && npm ci --ignore-scripts --no-audit --no-fund
	xvfb-run -a -s "-screen 0 1280x1024x24" \
	    /usr/bin/python3 tests/web_page/page_scenario.py $(DIST)/web $(WEB_BUILD)/form_table.tsv \
	    tests/worksheet/data/sample_numbers_converted.txt $(WEB_BUILD)/npm

# A newcomer on today's Debian: a minimal Debian 13 made once under $(BUILD)/debian13, unpacked
# afresh each time, with the committed project cloned into it and 'make test' run there.
test-debian13:
	@tools/setup-debian.sh chroot
	tools/test-debian13.sh $(BUILD)/debian13

# Every download of the version from the committed tree, byte for byte reproducible.
release:
	@tools/setup-debian.sh build window package windows web release
	tools/release.sh

# The release built twice, the second time from another clone in another folder, time zone,
# umask and locale; any file that differs fails, with diffoscope saying where.
release-check:
	@tools/setup-debian.sh build window package windows web release compare
	tools/release-check.sh

clean:
	rm -rf $(BUILD) build-sanitize build-fuzz $(WINDOWS_BUILD) $(PACKAGE_BUILD) build-e2e $(WEB_BUILD) \
	    build-release $(DIST)
