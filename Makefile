# The two commands of the README: `make demo` and `make test`. Both install what
# is missing first (tools/setup.sh), then build.
.PHONY: setup build build-asan demo test bench fuzz format clean

setup:
	bash tools/setup.sh

build: setup
	cmake --preset default >/dev/null
	cmake --build --preset default

build-asan: setup
	cmake --preset asan >/dev/null
	cmake --build --preset asan

demo: build
	bash samples/demo.sh

test: build build-asan
	ctest --preset default
	ctest --preset asan

bench: build
	bash bench/run.sh

fuzz: setup
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan build-fuzz out
