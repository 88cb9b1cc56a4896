#include "template_style.h"

#include "placed_values.h"
#include "text/replace.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vellumo {
namespace {

using Lines = std::vector<std::string_view>;

// Everything up to and including the title row; "My Title" becomes the style's title token.
const Lines kHead = {
    R"(<div align="center">)",
    R"(  <center>)",
    R"(            <TABLE cellSpacing=0 cellPadding=0 width="100%" border=5 style="border-collapse: collapse" bordercolor="BrdrClr" height="372" bgcolor="BkGrnd" background="No Background">)",
    R"(              <TR>)",
    R"(                <TD vAlign=top align=left width=26 height=372>)",
    R"(                &nbsp;</TD>)",
    R"(                <TD vAlign=top align=left width="100%" )",
    R"(                  height=372>)",
    R"(                <div align="center">)",
    R"(                  <center>)",
    R"(                  <table border="1" cellpadding="8" style="border-collapse: collapse" bordercolor="BrdrClr" width="90%" id="AutoNumber3" cellspacing="6">)",
    R"(                    <tr>)",
    R"(                      <td width="100%" height="6" colspan="2">)",
    R"(                      <p align="center"><font color="FntClr" size="4"><b>)",
    R"(                      My Title</b></font></td>)",
    R"(                    </tr>)",
};

// The closing row with the comment marker, and the closing of both tables.
const Lines kTail = {
    R"(                    <tr>)",
    R"(                      <td width="100%" height="1" colspan="2">)",
    R"(                      <!--My Comment-->)",
    R"(                      </td>)",
    R"(                      </tr>)",
    R"(                    </table>)",
    R"(                  </center>)",
    R"(                </div>)",
    R"(                </TD>)",
    R"(                <TD vAlign=top align=left width=6 height=372>)",
    R"(                &nbsp;</TD></TR></TABLE>)",
    R"(            </center>)",
    R"(</div>)",
};

// The cell catalogue: %PIC% is the row's picture token, %TXT% its paragraph token.
const std::array<Lines, 22> kCells = {{
    {
        R"(                      <td width="50%" height="41" align="center">)",
        R"(                      <a title="Click to enlarge" target="_blank" href="%PIC%">)",
        R"(                      <img border="0" src="%PIC%" width="400" height="300"></a></td>)",
    },
    {
        R"(                      <td width="50%" height="41" align="left">)",
        R"(                      <font color="FntClr"><b>%TXT%</b></font></td>)",
    },
    {
        R"(                      <td width="50%" height="41" align="left"><b>)",
        R"(                      <font color="FntClr">%TXT%</font></b></td>)",
    },
    {
        R"(                      <td width="50%" height="41" align="center">)",
        R"(                      <p align="center">)",
        R"(                      <a title="Click to enlarge" target="_blank" href="%PIC%">)",
        R"(                      <img border="0" src="%PIC%" width="400" height="300"></a></td>)",
    },
    {
        R"(                      <td width="50%" height="50%" align="left">)",
        R"(                      <b>)",
        R"(                      <font color="FntClr">%TXT%</font></b></td>)",
    },
    {
        R"(                      <td width="50%" height="60" align="center">)",
        R"(                      <a title="Click to enlarge" target="_blank" href="%PIC%">)",
        R"(                      <img border="0" src="%PIC%" width="400" height="300"></a></td>)",
    },
    {
        R"(                      <td width="50%" height="60" align="left"><font color="FntClr"><b>)",
        R"(                      %TXT%</b></font></td>)",
    },
    {
        R"(                      <td width="50%" height="41" align="left">)",
        R"(                      <b>)",
        R"(                      <font color="FntClr">%TXT%<br>)",
        R"(                      &nbsp;</font></b></td>)",
    },
    {
        R"(                      <td width="50%" height="60" align="left"><font color="FntClr"><b>)",
        R"(                      %TXT%<br>)",
        R"(                      &nbsp;</b></font></td>)",
    },
    {
        R"(                      <td width="50%" height="41" align="left">)",
        R"(                      <b><font color="FntClr">%TXT%</font></b><br>)",
        R"(&nbsp;</td>)",
    },
    {
        R"(                      <td width="50%" height="41" align="left">)",
        R"(                      <font color="#000080"><br>)",
        R"(                      </font>)",
        R"(                      <font color="FntClr"><b>%TXT%</b></font></td>)",
    },
    {
        R"(                      <td width="50%" height="60" align="left">)",
        R"(                      <b><font color="FntClr">%TXT%</font></b></td>)",
    },
    {
        R"(                      <td width="50%" height="60" align="center">)",
        R"(                      <p align="left"><b><font color="FntClr">%TXT%)",
        R"(                      </font></b></td>)",
    },
    {
        R"(                      <td width="50%" height="60" align="left">)",
        R"(                      <a title="Click to enlarge" target="_blank" href="%PIC%">)",
        R"(                      <img border="0" src="%PIC%" width="400" height="300"></a></td>)",
    },
    {
        R"(                      <td width="50%" height="41" align="left">)",
        R"(                      <b><font color="FntClr">%TXT%</font></b></td>)",
    },
    {
        R"(                      <td width="50%" height="41" align="left">)",
        R"(                      <font color="FntClr"><b>%TXT%</b></font>)",
        R"(                      <font color="#000080"><br>)",
        R"(                      &nbsp;</font></td>)",
    },
    {
        R"(                      <td width="50%" height="60" align="left">)",
        R"(                      <font color="#000080"><br>)",
        R"(                      </font><b>)",
        R"(                      <font color="FntClr">%TXT%</font></b></td>)",
    },
    {
        R"(                      <td width="50%" height="60" align="left">)",
        R"(                      <b>)",
        R"(                      <font color="FntClr">%TXT%</font></b><font color="#000080"><br>)",
        R"(                      &nbsp;</font></td>)",
    },
    {
        R"(                      <td width="50%" height="60" align="center">)",
        R"(                      <p align="left"><b><font color="FntClr">%TXT%</font></b></td>)",
    },
    {
        R"(                      <td width="50%" height="41" align="left">)",
        R"(                      <b><font color="FntClr">%TXT%</font></b> </td>)",
    },
    {
        R"(                      <td width="50%" height="41" align="left">)",
        R"(                      <font color="#000080"><br>)",
        R"(                      </font><b>)",
        R"(                      <font color="FntClr">%TXT%</font></b></td>)",
    },
    {
        R"(                      <td width="50%" height="60" align="left">)",
        R"(                      <b>)",
        R"(                      <font color="FntClr">%TXT%</font></b>)",
        R"(                      <font color="#000080"><br>)",
        R"(                      <br>)",
        R"(                      &nbsp;</font></td>)",
    },
}};

struct RowCells {
    int left; // cell numbers of the catalogue, from 1
    int right;
};

// The photo rows of each style, in picker order from position 2.
const std::array<std::vector<RowCells>, 8> kStyleRows = {{
    {{1, 2}, {3, 1}},
    {{1, 2}, {4, 5}},
    {{1, 2}, {3, 1}, {6, 7}},
    {{1, 3}, {1, 8}, {6, 9}},
    {{1, 10}, {11, 1}, {6, 12}, {13, 14}},
    {{1, 15}, {1, 16}, {6, 17}, {6, 18}},
    {{1, 15}, {15, 1}, {6, 12}, {19, 14}, {6, 12}},
    {{1, 20}, {1, 21}, {6, 17}, {6, 22}, {6, 12}},
}};

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kRowIndent = "                    ";

void appendLine(std::string& text, std::string_view line) {
    text += line;
    text += kLineEnd;
}

void appendCell(std::string& text, const Lines& cell, std::string_view picture, std::string_view paragraph) {
    for (std::string_view line : cell) {
        std::string filled(line);
        ReplaceAll(filled, "%PIC%", picture);
        ReplaceAll(filled, "%TXT%", paragraph);
        appendLine(text, filled);
    }
}

std::string buildLayoutText(int position) {
    const int photoCount = PhotoCountOfStyle(position);
    const FieldGroup& tokens = LayoutTokens(photoCount);
    std::string text;
    for (std::string_view line : kHead) {
        std::string headLine(line);
        ReplaceAll(headLine, "My Title", tokens.title);
        appendLine(text, headLine);
    }
    const std::vector<RowCells>& rows = kStyleRows.at(position - 2);
    for (int row = 0; row < photoCount; ++row) {
        const std::string& picture = tokens.pictures[row];
        const std::string& paragraph = tokens.paragraphs[row];
        appendLine(text, std::string(kRowIndent) + "<tr>");
        appendCell(text, kCells.at(rows[row].left - 1), picture, paragraph);
        appendCell(text, kCells.at(rows[row].right - 1), picture, paragraph);
        appendLine(text, std::string(kRowIndent) + "</tr>");
    }
    for (std::string_view line : kTail) {
        appendLine(text, line);
    }
    return text;
}

const std::array<std::string, kStyleCount + 1>& layoutTexts() {
    static const std::array<std::string, kStyleCount + 1> texts = [] {
        std::array<std::string, kStyleCount + 1> built;
        for (int position = 2; position <= kStyleCount; ++position) {
            built[position] = buildLayoutText(position);
        }
        return built;
    }();
    return texts;
}

} // namespace

const std::string& LayoutText(int position) {
    static const std::string kNone;
    if (PhotoCountOfStyle(position) == 0) {
        return kNone;
    }
    return layoutTexts()[position];
}

} // namespace vellumo
