// Reply assembly and the device emulator: the work per byte the line brings.
#include "device/DeviceEmulator.h"
#include "device/ReceiveRing.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

std::vector<uint8_t> imageReply()
{
    const DayImage blank;
    std::vector<uint8_t> reply(3 + DayImage::kSize + 1, 0xFF);
    reply[0] = 'T';
    reply[1] = '!';
    reply[2] = 'B';
    std::copy(blank.bytes().begin(), blank.bytes().end(), reply.begin() + 3);
    return reply;
}

// A whole image reply in chunks of the given size (1: the worst a line can do).
void AssembleImageReply(benchmark::State &state)
{
    const std::vector<uint8_t> reply = imageReply();
    const size_t chunk = size_t(state.range(0));
    ReceiveRing ring;
    for (auto _ : state) {
        bool complete = false;
        for (size_t at = 0; at < reply.size(); at += chunk)
            complete = ring.append(reply.data() + at, std::min(chunk, reply.size() - at));
        benchmark::DoNotOptimize(complete);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(reply.size()));
}
BENCHMARK(AssembleImageReply)->Arg(1)->Arg(64)->Arg(2048)->Unit(benchmark::kMicrosecond);

// 70,000 bytes without a terminator, a byte at a time: the ring wraps and must stay linear.
void AssembleUnterminatedStream(benchmark::State &state)
{
    std::vector<uint8_t> stream(70000);
    for (size_t i = 0; i < stream.size(); ++i)
        stream[i] = uint8_t(0x30 + i % 32);
    ReceiveRing ring;
    for (auto _ : state) {
        ring.reset();
        for (uint8_t b : stream)
            ring.append(&b, 1);
        benchmark::DoNotOptimize(ring.replyText());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(stream.size()));
}
BENCHMARK(AssembleUnterminatedStream)->Unit(benchmark::kMillisecond);

// A weekday image frame stored and its image requested back.
void EmulatorDownloadAndUpload(benchmark::State &state)
{
    DeviceEmulator device([] { return DeviceEmulator::Millis(0); });
    std::vector<uint8_t> frame = imageReply();
    frame[1] = '#';
    const std::vector<uint8_t> request{'T', '!', 'B', 0xFF};
    for (auto _ : state) {
        device.feed(frame);
        device.feed(request);
        benchmark::DoNotOptimize(device.takeOutput());
    }
}
BENCHMARK(EmulatorDownloadAndUpload)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
