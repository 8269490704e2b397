# Top-level driver: installs what is missing, then builds and tests the three builds.
BUILD     ?= build
JOBS      ?= 2
NATIVE    := $(BUILD)/native
WIN64     := $(BUILD)/win64
WIN32     := $(BUILD)/win32

PACKAGES  := cmake make g++ googletest libgtest-dev ccache \
             g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools \
             libwine-dev wine wine64 xvfb xauth xdotool imagemagick libbenchmark-dev \
             clang libclang-rt-dev msitools wixl osslsigncode openssl

.PHONY: all deps native win64 win32 build test demo bench fuzz clean reference dist

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" != 0 ]; then \
	    echo "Missing packages:$$missing"; \
	    echo "Run as root: apt-get update && apt-get install -y --no-install-recommends$$missing"; \
	    exit 1; \
	  fi; \
	  echo "Installing:$$missing"; \
	  apt-get update || apt-get update; \
	  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

$(NATIVE)/CMakeCache.txt: | deps
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug
$(WIN64)/CMakeCache.txt: | deps
	cmake -S . -B $(WIN64) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake
$(WIN32)/CMakeCache.txt: | deps
	cmake -S . -B $(WIN32) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake

native: $(NATIVE)/CMakeCache.txt
	cmake --build $(NATIVE) -j$(JOBS)
win64: $(WIN64)/CMakeCache.txt
	cmake --build $(WIN64) -j$(JOBS)
win32: $(WIN32)/CMakeCache.txt
	cmake --build $(WIN32) -j$(JOBS)

build: native win64 win32

# The native tree runs every test: its own unit tests, the static checks of both OCX
# files and the wine64 integration tests of the Win64 build.
test: build
	cd $(NATIVE) && ctest --output-on-failure -j$(JOBS)
	@echo "Not run here: the Win32 build in a real 32-bit process (an emulated machine, tens of minutes): make test32"

# The Windows Installer packages of both OCX builds, signed, in $(DIST) (tools/dist.sh:
# OV_SIGN_CERT and OV_SIGN_KEY sign for release; without them a test certificate signs).
DIST := $(BUILD)/dist
dist: win64 win32
	tools/dist.sh $(WIN64) $(WIN32) $(DIST)

demo: native win64
	tools/demo.sh $(WIN64) $(NATIVE)

# Speed targets: native benchmarks from an optimised tree, the repaint and a drag move
# under wine64.
BENCH := $(BUILD)/bench
$(BENCH)/CMakeCache.txt: | deps
	cmake -S . -B $(BENCH) -DCMAKE_BUILD_TYPE=Release
bench: $(BENCH)/CMakeCache.txt win64
	cmake --build $(BENCH) -j$(JOBS) --target ov_paint_bench ov_layout_bench ov_hook_bench ov_persistence_bench
	$(BENCH)/bench/ov_layout_bench
	$(BENCH)/bench/ov_paint_bench
	$(BENCH)/bench/ov_hook_bench
	$(BENCH)/bench/ov_persistence_bench
	cmake --build $(WIN64) -j$(JOBS) --target ov_redraw_bench ov_drag_bench ov_persistence_wine_bench ov_live_drag_bench
	tools/wine-run.sh $(WIN64) $(WIN64)/bench/wine/ov_redraw_bench.exe
	tools/wine-x11-run.sh $(WIN64) $(WIN64)/bench/wine/ov_drag_bench.exe
	tools/wine-x11-run.sh $(WIN64) $(WIN64)/bench/wine/ov_persistence_wine_bench.exe
	tools/wine-x11-run.sh $(WIN64) $(WIN64)/bench/wine/ov_live_drag_bench.exe

# The reference, generated from the built type library: reference/OvSplitter.md in the tree
# (the wine_reference test fails when it is stale) and the same as HTML in the Win64 tree.
reference: win64
	bash tests/wine/run_reference.sh $(WIN64) --update

# The fuzz targets for five minutes, in a clang tree of their own; `make test` runs them
# briefly. A finding is left in $(FUZZ) (crash-*, leak-*, timeout-*): the target run on
# that file alone repeats it.
FUZZ := $(BUILD)/fuzz
fuzz: | deps
	JOBS=$(JOBS) tests/fuzz/run_fuzz.sh $(FUZZ) record -max_total_time=150
	JOBS=$(JOBS) tests/fuzz/run_fuzz.sh $(FUZZ) bag_reader -max_total_time=150

clean:
	rm -rf $(BUILD)

# The Win32 build in real 32-bit processes: trixie's Wine 10 in an emulated machine
# (tools/test32/run.sh). Tens of minutes, so `make test` leaves it out; the trixie root,
# kernel, initramfs and Wine prefix are kept in $(BUILD)/test32 while their inputs hold.
.PHONY: test32
test32: win32 win64 dist
	cmake --build $(WIN32) -j$(JOBS) --target ov_drag_bench ov_redraw_bench
	tools/test32/run.sh $(WIN32) $(BUILD)/test32 $(WIN64)
