# The two entry points of the README: `make run` and `make test`.
.PHONY: all deps build run test bench release format clean

all: build

deps:
	@scripts/setup-deps

build: deps
	@cmake --preset dev >/dev/null
	@env -u MAKEFLAGS -u MAKELEVEL cmake --build --preset dev -j$$(nproc)

# The desktop host where there is a display to show it on; the console host otherwise.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then exec build/dev/src/hosts/ovdesk/ovdesk; \
	else echo "No display (DISPLAY is not set): starting the console host ovcad instead."; \
	exec build/dev/src/hosts/ovcad/ovcad; fi

# The release preset is built too: GCC at -O2 warns of faults that the debug build never shows.
test: build release
	@ctest --preset dev -j$$(nproc)

release: deps
	@cmake --preset release >/dev/null
	@env -u MAKEFLAGS -u MAKELEVEL cmake --build --preset release -j$$(nproc)

# The desktop benchmark draws on an X server of its own.
bench: release
	@for program in build/release/bench/*_bench; do echo "== $$program"; \
	case $$program in *desktop_bench) xvfb-run -a -s "-screen 0 1280x800x24" $$program;; \
	*) $$program;; esac; done

format:
	@clang-format -i $$(git ls-files --cached --others --exclude-standard '*.cpp' '*.h')

clean:
	@rm -rf build
