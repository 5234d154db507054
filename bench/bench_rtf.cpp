// Reading lesson RTF: a generated 2 MB lesson with the mix a word processor writes (fonts,
// sizes, colours, styles, umlauts as \'xx and \uN, fields, tables). Set TEXTARIA_RTF_SAMPLE to a
// file name to have the sample written there, e.g. to compare with other programs.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"

namespace {

using namespace textaria::platform;

// styledEvery: about one word in that many is a formatted group, one in that many a gap.
std::string makeLessonRtf(std::size_t targetSize, std::size_t styledEvery) {
    std::mt19937 random(1252);
    auto pick = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    static const char* const kWords[] = {
        "Der",
        "Hafen",
        "liegt",
        "am",
        "Rhein",
        "und",
        "die",
        "Schiffe",
        "fahren",
        "nach",
        "K\\'f6ln",
        "heute",
        "L\\'fcckentext",
        "Antwort",
        "\\'fcber",
        "Gr\\'fc\\'dfe",
        "Stra\\'dfe",
        "\\u8222?Zitat\\u8220?",
        "M\\u246?we",
        "\\ldblquote Haus\\rdblquote",
        "\\endash",
        "\\emdash",
        "\\u8364?",
        "\\'84Anf\\'fchrung\\'93",
    };
    static const char* const kStyles[] = {"\\b",   "\\i",        "\\ul",       "\\cf1",
                                          "\\cf2", "\\f1\\fs28", "\\f2\\fs20", "\\b\\i\\cf3"};
    std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
        "{\\f1\\froman\\fcharset0 Times New Roman;}{\\f2\\fmodern\\fcharset0 Courier New;}"
        "{\\f3\\fnil\\fcharset2 Symbol;}}\n{\\colortbl;\\red255\\green0\\blue0;"
        "\\red0\\green0\\blue255;\\red0\\green128\\blue0;}\n"
        "{\\stylesheet{\\s0 Normal;}}{\\info{\\title Lektion}}\n";
    rtf.reserve(targetSize + 4096);
    int page = 1;
    while (rtf.size() < targetSize) {
        rtf +=
            "\\pard\\qc\\plain\\f0\\fs32\\b #" + std::to_string(page++) + ", Seite;bild.jpg\\par\n";
        for (int paragraph = 0; paragraph < 12; ++paragraph) {
            rtf += "\\pard\\ql\\plain\\f0\\fs24 ";
            for (int word = 0; word < 40; ++word) {
                const std::size_t choice = pick(styledEvery);
                if (choice == 0) {
                    rtf += "{";
                    rtf += kStyles[pick(std::size(kStyles))];
                    rtf += " ";
                    rtf += kWords[pick(std::size(kWords))];
                    rtf += "}";
                } else if (choice == 1) {
                    rtf += "[";
                    rtf += kWords[pick(std::size(kWords))];
                    rtf += "]";
                } else {
                    rtf += kWords[pick(std::size(kWords))];
                }
                rtf += pick(8) == 0 ? "\\tab " : " ";
            }
            rtf += "\\par\n";
        }
        rtf += "{\\field{\\*\\fldinst PAGE}{\\fldrslt 1}}\\par\n";
        rtf += "\\trowd\\cellx3000\\cellx6000\\intbl Haus\\cell das\\cell\\row\\pard\n";
        rtf += "\\pard \\'a7$ &\\par\n";
    }
    rtf += "#00\\par}\n";
    return rtf;
}

const std::string& sample() {
    static const std::string rtf = [] {
        std::string made = makeLessonRtf(2 * 1024 * 1024, 10);
        if (const char* path = std::getenv("TEXTARIA_RTF_SAMPLE")) {
            std::ofstream(path, std::ios::binary)
                .write(made.data(), static_cast<long>(made.size()));
        }
        return made;
    }();
    return rtf;
}

// Mostly running text, as teachers write it.
const std::string& plainSample() {
    static const std::string rtf = makeLessonRtf(2 * 1024 * 1024, 60);
    return rtf;
}

void BM_ReadPlainLessonRtf(benchmark::State& state) {
    const std::string& rtf = plainSample();
    for (auto _ : state) {
        StyledText text = readRtf(rtf);
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rtf.size()));
}
BENCHMARK(BM_ReadPlainLessonRtf)->Unit(benchmark::kMillisecond);

void BM_ReadRtfTextOnly(benchmark::State& state) {
    const std::string& rtf = sample();
    for (auto _ : state) {
        StyledText text = readRtf(rtf, RtfDetail::TextOnly);
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rtf.size()));
}
BENCHMARK(BM_ReadRtfTextOnly)->Unit(benchmark::kMillisecond);

void BM_ReadRtf(benchmark::State& state) {
    const std::string& rtf = sample();
    for (auto _ : state) {
        StyledText text = readRtf(rtf);
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rtf.size()));
}
BENCHMARK(BM_ReadRtf)->Unit(benchmark::kMillisecond);

void BM_ReadRtfToPlainText(benchmark::State& state) {
    const std::string& rtf = sample();
    for (auto _ : state) {
        std::string plain = plainText(readRtf(rtf));
        benchmark::DoNotOptimize(plain);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rtf.size()));
}
BENCHMARK(BM_ReadRtfToPlainText)->Unit(benchmark::kMillisecond);

void BM_WriteRtf(benchmark::State& state) {
    const StyledText text = readRtf(sample());
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string rtf = writeRtf(text);
        bytes += rtf.size();
        benchmark::DoNotOptimize(rtf);
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_WriteRtf)->Unit(benchmark::kMillisecond);

}  // namespace
