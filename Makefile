# The two entry points of the README: `make run` and `make test`.
.PHONY: all deps build run test bench release fuzz format clean

all: build

deps:
	@scripts/setup-deps

build: deps
	@cmake --preset dev >/dev/null
	@env -u MAKEFLAGS -u MAKELEVEL cmake --build --preset dev -j$$(nproc)

# The desktop host where there is a display to show it on; the console host otherwise. The dev
# build's leak checker belongs to the tests: at the end of a session it reports the toolkit's
# one-off allocations and stumbles over the thread storage of libraries already unloaded.
run: build
	@export ASAN_OPTIONS=detect_leaks=0; \
	if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then exec build/dev/src/hosts/ovdesk/ovdesk; \
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

# The libFuzzer targets, each run for FUZZ_SECONDS (default 30) in one process, from the seed
# corpus under fuzz/corpus/<target>; what they find new is kept in build/fuzz/corpus/<target>.
FUZZ_SECONDS ?= 30
fuzz:
	@scripts/setup-deps --fuzz
	@cmake --preset fuzz >/dev/null
	@env -u MAKEFLAGS -u MAKELEVEL cmake --build --preset fuzz -j$$(nproc)
	@for program in build/fuzz/fuzz/*_fuzz; do \
	    name=$$(basename $$program); echo "== $$name"; mkdir -p build/fuzz/corpus/$$name; \
	    seeds=$$([ -d fuzz/corpus/$$name ] && echo fuzz/corpus/$$name); \
	    $$program -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	        -artifact_prefix=build/fuzz/ build/fuzz/corpus/$$name $$seeds > build/fuzz/$$name.log 2>&1 \
	        || { tail -40 build/fuzz/$$name.log; exit 1; }; \
	    grep -E "^(#[0-9]+ +DONE|stat::number_of_executed_units)" build/fuzz/$$name.log; \
	done

format:
	@clang-format -i $$(git ls-files --cached --others --exclude-standard '*.cpp' '*.h')

clean:
	@rm -rf build
