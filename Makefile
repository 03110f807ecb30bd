# The two commands a newcomer needs: `make run` and `make test`.
# Both install what is missing (as root, or through sudo), then build.

BUILD    ?= build
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES := g++ cmake make qt6-base-dev qt6-serialport-dev libpng-dev libgif-dev qt6-translations-l10n fonts-dejavu-core libfreetype-dev libfontconfig-dev xfonts-base
# The end-to-end run needs an X server of its own and a way to type and click
# (and to switch the keyboard's layout and read the screen); the check of the
# installed tree, the desktop's validators and MIME tools; the readers the
# exported XBM and the manual page are checked with (netpbm, man); the phone
# tool that reads the SMS messages and the Nokia logo files (gammu); the
# layout check of the sources (clang-format); the Arduino Uno's compiler,
# core and Wire library that build the exported sketch, and the simulator
# with its SSD1306 display that runs it (gcc-avr ... libsimavrparts1); an
# X11 bitmap font and PIL's readers of it, which the exported fonts are
# checked against (xfonts-base, python3-pil).
E2E_PACKAGES := xvfb xdotool x11-utils x11-xkb-utils x11-apps desktop-file-utils appstream \
                shared-mime-info netpbm man-db gammu python3-gammu clang-format xclip \
                gcc-avr avr-libc arduino-core-avr simavr libsimavr-dev libsimavrparts1 \
                xfonts-base python3-pil
SUDO     := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# WERROR=ON turns every compiler warning into an error, as CI builds.
WERROR   ?= OFF

FUZZ_SECONDS ?= 300
PREFIX   ?= /usr/local

.PHONY: all run test e2e test-sanitize fuzz bench art screenshot install deb deps deps-e2e deps-fuzz install-missing build clean

all: build

# Installs whichever of $(PACKAGES) are missing.
deps:
	@$(MAKE) --no-print-directory install-missing PACKAGES="$(PACKAGES)"

deps-e2e:
	@$(MAKE) --no-print-directory install-missing PACKAGES="$(PACKAGES) $(E2E_PACKAGES)"

deps-fuzz:
	@$(MAKE) --no-print-directory install-missing PACKAGES="$(PACKAGES) clang libclang-rt-14-dev"

install-missing:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -q && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing; \
	fi

# The program alone; with TESTS=ON every test program beside it.
TESTS ?= OFF
build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=$(TESTS) -DTOCHKOGRAF_WERROR=$(WERROR)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/tochkograf

test: deps-e2e
	@$(MAKE) --no-print-directory build TESTS=ON
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Only the end-to-end scenarios: the real program under Xvfb, driven by xdotool.
e2e: deps-e2e build
	tests/e2e/run.sh $(BUILD)/tochkograf

# Speed and memory against their floors; needs an X server, which it starts.
bench:
	@$(MAKE) --no-print-directory install-missing PACKAGES="$(PACKAGES) $(E2E_PACKAGES) libxcb1-dev"
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DTOCHKOGRAF_BENCH=ON -DBUILD_TESTING=OFF
	cmake --build $(BUILD)-bench -j $(JOBS)
	bench/run.sh $(BUILD)-bench

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps-e2e
	cmake -S . -B $(BUILD)-sanitize -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON -DTOCHKOGRAF_WERROR=$(WERROR) \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
	cmake --build $(BUILD)-sanitize -j $(JOBS)
	cd $(BUILD)-sanitize && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer-suppressions.txt:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# Each reader's fuzz target for FUZZ_SECONDS seconds (clang, libFuzzer).
fuzz: deps-fuzz
	CC=clang CXX=clang++ cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOCHKOGRAF_FUZZ=ON
	cmake --build $(BUILD)-fuzz -j $(JOBS)
	fuzz/run.sh $(BUILD)-fuzz $(FUZZ_SECONDS)

# The program, its desktop entry and its icons under $(PREFIX); through sudo
# only where the prefix is not ours to write.
install: build
	@if mkdir -p "$(PREFIX)" 2>/dev/null && [ -w "$(PREFIX)" ]; then \
	  cmake --install $(BUILD) --prefix "$(PREFIX)"; \
	else \
	  $(SUDO) cmake --install $(BUILD) --prefix "$(PREFIX)"; \
	fi

# The Debian package $(BUILD)-deb/tochkograf_<version>_<arch>.deb (CPack, with
# the dependencies dpkg-shlibdeps finds), built in a folder of its own with
# Debian's hardening flags, and checked by lintian where it is installed. The
# maintainer is the builder's DEBFULLNAME and DEBEMAIL where they are set.
DEB_BUILD := $(BUILD)-deb
deb: deps
	@$(MAKE) --no-print-directory install-missing PACKAGES="dpkg-dev file"
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all && \
	cmake -S . -B $(DEB_BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"
	cmake --build $(DEB_BUILD) -j $(JOBS)
	cd $(DEB_BUILD) && cpack -G DEB
	@if command -v lintian >/dev/null; then \
	  if [ -z "$$DEBEMAIL" ]; then \
	    echo "DEBEMAIL is not set: the maintainer has no address (lintian: malformed-contact)"; \
	    suppress="--suppress-tags malformed-contact"; \
	  fi; \
	  lintian --fail-on error $$suppress $(DEB_BUILD)/tochkograf_*.deb; \
	else \
	  echo "lintian is not installed: the package is not checked"; \
	fi

# The README's picture of the main window, made again in a private X server.
screenshot: build
	@$(MAKE) --no-print-directory install-missing PACKAGES="$(PACKAGES) xvfb xdotool x11-utils imagemagick"
	docs/make_screenshot.sh $(BUILD)/tochkograf

# Draws the logo and the icons again into src/windows/art.
art: deps
	cmake -S . -B $(BUILD)-art -DCMAKE_BUILD_TYPE=Release -DTOCHKOGRAF_ARTWORK=ON
	cmake --build $(BUILD)-art -j $(JOBS) --target tochkograf_artwork
	QT_QPA_PLATFORM=offscreen ./$(BUILD)-art/tools/artwork/tochkograf_artwork src/windows/art src/windows/icons

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-sanitize $(BUILD)-fuzz $(BUILD)-art $(DEB_BUILD)
