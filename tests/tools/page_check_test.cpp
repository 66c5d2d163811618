#include "tests/support/test_support.h"
#include "tools/course_tool/page_check.h"

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

const QByteArray kTopHeaders = "From: <Saved by a word processor>\r\n"
                               "MIME-Version: 1.0\r\n"
                               "Content-Type: multipart/related;\r\n"
                               "\tboundary=\"----=_Part_7\"; type=\"text/html\"\r\n";

QByteArray htmlPart(const QByteArray& body) {
    return "Content-Type: text/html; charset=\"windows-1252\"\r\n"
           "Content-Transfer-Encoding: quoted-printable\r\n"
           "Content-Location: https://course.invalid/q1/page.htm\r\n\r\n" +
           body;
}

QByteArray picturePart(const QByteArray& location, const QByteArray& data) {
    return "Content-Type: image/gif\r\nContent-Transfer-Encoding: base64\r\n"
           "Content-Location: " +
           location + "\r\nContent-ID: <pic1@course>\r\n\r\n" + data;
}

const QByteArray kGif = QByteArray("GIF89a\x01\x00\x01\x00\x00\x00\x00;", 14).toBase64();

QByteArray archive(const QList<QByteArray>& parts, const QByteArray& top = kTopHeaders,
                   bool closed = true) {
    QByteArray bytes = top + "\r\n";
    for (const QByteArray& part : parts)
        bytes += "------=_Part_7\r\n" + part + "\r\n\r\n";
    if (closed)
        bytes += "------=_Part_7--\r\n";
    return bytes;
}

struct PageCase {
    const char* name;
    QByteArray page;
    const char* says; // nullptr: the page is sound
};

const QByteArray kText = "<html><body><p>What is 3 =D7 4?</p>";

const PageCase kPageCases[] = {
    {"sound_page_with_relative_picture",
     archive({htmlPart(kText + "<img src=3D\"pic.gif\"></body></html>"),
              picturePart("https://course.invalid/q1/pic.gif", kGif)}),
     nullptr},
    {"picture_by_content_id",
     archive({htmlPart(kText + "<img src=3D'cid:pic1@course'></body></html>"),
              picturePart("https://course.invalid/other.gif", kGif)}),
     nullptr},
    {"soft_line_break_in_quoted_printable", archive({htmlPart("<p>A long =\r\nline</p>")}),
     nullptr},
    {"picture_missing_from_archive",
     archive({htmlPart(kText + "<img src=3D\"clock.gif\"></body></html>")}),
     "\"clock.gif\", but no part"},
    {"picture_from_a_file_url",
     archive({htmlPart(kText + "<img src=3D\"file:///C:/pic.gif\"></body></html>")}),
     "from a file: URL"},
    {"bare_equals_sign", archive({htmlPart("<p style=\"x\">Text</p>")}), "quoted-printable"},
    {"broken_base64",
     archive({htmlPart(kText + "<img src=3D\"pic.gif\">"),
              picturePart("https://course.invalid/q1/pic.gif", "R0lG*@!")}),
     "not valid base64"},
    {"picture_first", archive({picturePart("https://course.invalid/q1/pic.gif", kGif)}),
     "not text/html"},
    {"no_text", archive({htmlPart("<html><head><title>Q</title></head><body> </body></html>")}),
     "shows no text"},
    {"no_closing_boundary", archive({htmlPart(kText)}, kTopHeaders, false), "closing boundary"},
    {"no_mime_version",
     archive({htmlPart(kText)}, QByteArray(kTopHeaders).replace("MIME-Version: 1.0\r\n", "")),
     "no MIME-Version"},
    {"no_boundary",
     archive({htmlPart(kText)}, QByteArray(kTopHeaders).replace("boundary=\"----=_Part_7\"; ", "")),
     "with a boundary"},
    {"lone_cr", archive({htmlPart("<p>One\rTwo</p>")}), "lone LF or CR"},
    {"empty", QByteArray(), "empty"},
};

class PageCheckTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageCheckTest, findsWhatKeepsThePageFromShowing) {
    const PageCase& c = GetParam();
    const QStringList faults = CheckQuestionPage(c.page);
    if (c.says == nullptr) {
        EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
        return;
    }
    ASSERT_EQ(faults.size(), 1) << faults.join(u'\n').toStdString();
    EXPECT_TRUE(faults.first().contains(QLatin1String(c.says))) << faults.first().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Pages, PageCheckTest, ::testing::ValuesIn(kPageCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
