#include "shell/HtmlText.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "data/Text.h"

namespace {

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

void appendCodePoint(std::string& out, unsigned long cp) {
    if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Collects words and the line breaks between them; a break asked for twice is still one.
class TextBuilder {
public:
    void lineBreak(int lines) {
        breaks_ = std::max(breaks_, lines);
        space_ = false;
    }
    void blank() { space_ = true; }
    void append(std::string_view word) {
        if (!out_.empty()) {
            if (breaks_ > 0) {
                out_.append(static_cast<std::size_t>(breaks_), '\n');
            } else if (space_) {
                out_ += ' ';
            }
        }
        breaks_ = 0;
        space_ = false;
        out_ += word;
    }
    const std::string& text() const { return out_; }

private:
    std::string out_;
    int breaks_ = 0;
    bool space_ = false;
};

// Blank lines asked for by an opening or closing tag; 0 for inline tags.
int breaksFor(const std::string& name) {
    static constexpr std::string_view paragraphs[] = {"p", "h1", "h2", "h3", "h4", "h5", "h6", "table", "pre"};
    static constexpr std::string_view lines[] = {"br", "div", "li", "ul", "ol", "tr", "dt", "dd", "hr", "section"};
    if (std::find(std::begin(paragraphs), std::end(paragraphs), name) != std::end(paragraphs)) return 2;
    if (std::find(std::begin(lines), std::end(lines), name) != std::end(lines)) return 1;
    return 0;
}

// Decodes the entity at html[at] ('&'); returns the characters consumed, 0 when it is none.
std::size_t decodeEntity(std::string_view html, std::size_t at, std::string& out) {
    const std::size_t end = html.find(';', at);
    if (end == std::string_view::npos || end - at > 10) return 0;
    const std::string name(html.substr(at + 1, end - at - 1));
    static constexpr std::pair<std::string_view, unsigned long> named[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0}};
    for (const auto& [entity, cp] : named) {
        if (name == entity) {
            appendCodePoint(out, cp);
            return end - at + 1;
        }
    }
    if (name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const char* digits = name.c_str() + (hex ? 2 : 1);
        char* stop = nullptr;
        const unsigned long cp = std::strtoul(digits, &stop, hex ? 16 : 10);
        if (stop != digits && *stop == '\0') {
            appendCodePoint(out, cp);
            return end - at + 1;
        }
    }
    return 0;
}

}  // namespace

std::u16string htmlToText(std::string_view html) {
    TextBuilder builder;
    std::string word;
    const auto flushWord = [&] {
        if (!word.empty()) builder.append(word);
        word.clear();
    };
    std::size_t i = 0;
    while (i < html.size()) {
        const char c = html[i];
        if (c == '<') {
            flushWord();
            if (html.compare(i, 4, "<!--") == 0) {
                const std::size_t end = html.find("-->", i + 4);
                i = end == std::string_view::npos ? html.size() : end + 3;
                continue;
            }
            const std::size_t end = html.find('>', i);
            if (end == std::string_view::npos) break;
            std::string_view tag = html.substr(i + 1, end - i - 1);
            const bool closing = !tag.empty() && tag[0] == '/';
            if (closing) tag.remove_prefix(1);
            const std::string name = lowerAscii(tag.substr(0, tag.find_first_of(" \t\r\n/")));
            i = end + 1;
            if (!closing && (name == "head" || name == "script" || name == "style")) {
                const std::size_t close = lowerAscii(html.substr(i)).find("</" + name);
                const std::size_t closeEnd = close == std::string::npos ? close : html.find('>', i + close);
                i = closeEnd == std::string_view::npos ? html.size() : closeEnd + 1;
                continue;
            }
            if (const int lines = breaksFor(name); lines > 0) builder.lineBreak(lines);
            if (name == "li" && !closing) {
                builder.append("·");
                builder.blank();
            }
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            flushWord();
            builder.blank();
            ++i;
        } else if (c == '&') {
            const std::size_t used = decodeEntity(html, i, word);
            if (used == 0) word += c;
            i += used == 0 ? 1 : used;
        } else {
            word += c;
            ++i;
        }
    }
    flushWord();
    std::u16string text;
    for (const char16_t unit : fromUtf8(builder.text())) {
        if (unit == u'\n') text += u'\r';
        text += unit;
    }
    return text;
}
