# The two entry points of the README: `make run` and `make test`.
.PHONY: all deps build run test bench release format clean

all: build

deps:
	@scripts/setup-deps

build: deps
	@cmake --preset dev >/dev/null
	@env -u MAKEFLAGS -u MAKELEVEL cmake --build --preset dev -j$$(nproc)

run: build
	@build/dev/src/hosts/ovcad/ovcad

# The release preset is built too: GCC at -O2 warns of faults that the debug build never shows.
test: build release
	@ctest --preset dev -j$$(nproc)

release: deps
	@cmake --preset release >/dev/null
	@env -u MAKEFLAGS -u MAKELEVEL cmake --build --preset release -j$$(nproc)

bench: release
	@for program in build/release/bench/*_bench; do echo "== $$program"; $$program; done

format:
	@clang-format -i $$(git ls-files --cached --others --exclude-standard '*.cpp' '*.h')

clean:
	@rm -rf build
