#include "platform/document_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace textaria::platform {
namespace {

namespace fs = std::filesystem;

class DocumentFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("textaria-doc-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string write(const std::string& name, std::string_view bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
        return path.string();
    }

    fs::path dir_;
};

TEST_F(DocumentFile, RtfOrPlainTextByContent) {
    struct Case {
        const char* name;
        std::string_view bytes;
        const char* plain;
    };
    const Case cases[] = {
        {"lesson.rtf", "{\\rtf1 Gr\\'fc\\'dfe\\par}", "Grüße\r\n"},
        {"named-txt-but-rtf.txt", "{\\rtf1 x}", "x"},
        {"utf8.txt", "\xEF\xBB\xBFGrüße\r\nzwei", "Grüße\r\nzwei"},
        {"lf.txt", "a\nb\n", "a\r\nb\r\n"},
        {"cr.txt", "a\rb\r\r", "a\r\nb\r\n\r\n"},
        {"cp1252.txt",
         "Gr\xFC\xDF"
         "e \x84x\x93\r\n",
         "Grüße „x“\r\n"},
        {"braces.txt", "{rtf} \\par", "{rtf} \\par"},
        {"empty.txt", "", ""},
    };
    for (const Case& c : cases) {
        const DocumentLoad load = loadDocumentFile(write(c.name, c.bytes));
        ASSERT_TRUE(load.ok) << c.name << ": " << load.error;
        EXPECT_EQ(plainText(load.text), c.plain) << c.name;
        // The short way to the plain text, without the styled model, gives the same.
        const PlainTextLoad plain = loadDocumentPlainText(write(c.name, c.bytes));
        ASSERT_TRUE(plain.ok) << c.name << ": " << plain.error;
        EXPECT_EQ(plain.text, c.plain) << c.name;
    }
}

TEST_F(DocumentFile, FailuresNameTheFile) {
    const std::string missing = (dir_ / "fehlt.rtf").string();
    DocumentLoad load = loadDocumentFile(missing);
    EXPECT_FALSE(load.ok);
    EXPECT_EQ(load.error, "Datei nicht gefunden: " + missing);

    load = loadDocumentFile(dir_.string());
    EXPECT_FALSE(load.ok);
    EXPECT_EQ(load.error, "Datei ist ein Ordner: " + dir_.string());

    // A FIFO would block a reader until someone writes to it.
    const std::string fifo = (dir_ / "fifo.rtf").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    load = loadDocumentFile(fifo);
    EXPECT_FALSE(load.ok);
    EXPECT_EQ(load.error, "Datei nicht lesbar: " + fifo + " (keine gewöhnliche Datei)");
    EXPECT_EQ(loadDocumentPlainText(fifo).error, load.error);

    if (::geteuid() != 0) {  // root reads everything
        const std::string locked = write("gesperrt.rtf", "{\\rtf1 x}");
        fs::permissions(locked, fs::perms::none);
        load = loadDocumentFile(locked);
        EXPECT_FALSE(load.ok);
        EXPECT_EQ(load.error.rfind("Datei nicht lesbar: " + locked, 0), 0u) << load.error;
    }
}

std::string fixtureDir() { return (fs::path(__FILE__).parent_path() / "data" / "rtf").string(); }

// Documents saved by real word processors, with the plain text their author typed.
TEST(DocumentFixtures, WordProcessorOutputGivesTheTypedText) {
    for (const char* name : {"lesson_lo", "lesson_abiword", "lesson_pandoc"}) {
        const std::string base = fixtureDir() + "/" + name;
        const DocumentLoad load = loadDocumentFile(base + ".rtf");
        ASSERT_TRUE(load.ok) << load.error;
        std::ifstream in(base + ".expected.txt", std::ios::binary);
        std::string expected;
        for (std::string line; std::getline(in, line);) expected += line + "\r\n";
        EXPECT_EQ(plainText(load.text), expected) << name;
    }
}

TEST(DocumentFixtures, FormatsFromLibreOffice) {
    const DocumentLoad load = loadDocumentFile(fixtureDir() + "/lesson_lo.rtf");
    ASSERT_TRUE(load.ok) << load.error;
    const auto& paragraphs = load.text.paragraphs;
    ASSERT_GE(paragraphs.size(), 4u);
    EXPECT_EQ(paragraphs[0].alignment, Alignment::Center);
    EXPECT_EQ(paragraphs[1].alignment, Alignment::Left);
    auto find = [&](const std::string& text) -> const CharFormat* {
        for (const TextRun& run : paragraphs[3].runs) {
            if (run.text == text) return &run.format;
        }
        return nullptr;
    };
    struct Expected {
        const char* text;
        const char* font;
        double size;
        bool bold, italic, underline;
        std::uint32_t colour;
    };
    const Expected expected[] = {
        {"Das ", "Arial", 12, false, false, false, 0},
        {"Haus", "Arial", 12, true, false, false, 0},
        {"alt", "Arial", 12, false, true, false, 0},
        {"unterstrichen", "Arial", 12, false, false, true, 0},
        {"rot", "Arial", 12, false, false, false, 0xFF0000},
        {"blau groß", "Arial", 16, false, false, false, 0x0000FF},
        {"Courier", "Courier New", 10, false, false, false, 0},
        {"Times", "Times New Roman", 14, true, true, false, 0},
    };
    for (const Expected& e : expected) {
        const CharFormat* f = find(e.text);
        ASSERT_NE(f, nullptr) << e.text;
        EXPECT_EQ(f->fontName, e.font) << e.text;
        EXPECT_EQ(f->pointSize, e.size) << e.text;
        EXPECT_EQ(f->bold, e.bold) << e.text;
        EXPECT_EQ(f->italic, e.italic) << e.text;
        EXPECT_EQ(f->underline, e.underline) << e.text;
        EXPECT_EQ(f->color, e.colour) << e.text;
    }
}

}  // namespace
}  // namespace textaria::platform
