// FreeImage's own cost of loading one photo, the floor under what the tool can do per photo.
// The photo is named by SHOTTIME_BENCH_PHOTO.
#include <FreeImage.h>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

const char* photo() {
  const char* path = std::getenv("SHOTTIME_BENCH_PHOTO");
  return path != nullptr ? path : "photo.jpg";
}

void load(benchmark::State& state, int flags) {
  for (auto _ : state) {
    FIBITMAP* image = FreeImage_Load(FIF_JPEG, photo(), flags);
    if (image == nullptr) {
      state.SkipWithError("the photo does not load");
      break;
    }
    FreeImage_Unload(image);
  }
}

void full_decode(benchmark::State& state) { load(state, 0); }
void header_only(benchmark::State& state) { load(state, FIF_LOAD_NOPIXELS); }

}  // namespace

BENCHMARK(full_decode)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(header_only)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK_MAIN();
