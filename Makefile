# Set-up and everyday commands. `make run` builds and starts the editor, `make test` installs
# what is missing, builds with sanitizers and runs every test through CTest. `make install`
# installs both programs with their desktop entry, file types and icons under PREFIX. `make bench`
# runs the benchmark programs and the scripts in bench/ that time whole processes. `make fuzz`
# runs each reader's libFuzzer target for FUZZ_SECONDS seconds. `make package` builds the Debian
# package build-paket/vektra32_VERSION_ARCH.deb from the same install rules.
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
PREFIX ?= /usr/local

.PHONY: run build install package test bench fuzz deps fuzz-deps clean format

deps:
	scripts/install-deps

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEKTRA_TESTS=OFF
	cmake --build build -j $(JOBS)

run: build
	build/app/vektra32 $(ARGS)

install: build
	cmake --install build --prefix $(PREFIX)

# An optimised build with Debian's hardening flags, installed into /usr in the package; the caches
# of file types, menu entries and icons are refreshed by dpkg's triggers, not by the install.
package: deps
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	cmake -S . -B build-paket -DCMAKE_BUILD_TYPE=Release -DVEKTRA_TESTS=OFF \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"
	cmake --build build-paket -j $(JOBS)
	cd build-paket && cpack

test: deps
	cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVEKTRA_SANITIZE=ON
	cmake --build build-test -j $(JOBS)
	cd build-test && ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVEKTRA_TESTS=OFF -DVEKTRA_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	for b in build-bench/bench/bench_*; do QT_QPA_PLATFORM=offscreen $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done
	for s in bench/*.sh; do bash $$s build-bench; done

fuzz-deps:
	scripts/install-deps --fuzz

# The fuzz build has a folder of its own: clang, libFuzzer and the sanitizers, core and converter
# only. The converter makes the seed inputs; an input that breaks a reader fails the make.
fuzz: fuzz-deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEKTRA_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS)
	fuzz/seeds.sh build-fuzz
	fuzz/fuzzen.sh build-fuzz $(FUZZ_SECONDS)

format:
	find core app convert tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build build-test build-bench build-fuzz build-paket
