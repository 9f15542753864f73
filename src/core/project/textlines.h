#pragma once

#include "romdata/imageerror.h"

#include <string>
#include <vector>

namespace quorled {

// A fault in a file of a text project. The message starts with where it is,
// "areas/0A.txt:5:12: ", and says what was expected there.
class ProjectTextError : public ImageError {
public:
    ProjectTextError(const std::string& path, int line, int column, const std::string& what);
    const std::string& path() const { return path_; }
    int line() const { return line_; }
    int column() const { return column_; }

private:
    std::string path_;
    int line_;
    int column_;
};

// Reads the lines of a project file strictly, one content line at a time.
// Text from '#' to the end of a line is a comment; blank lines are skipped;
// words are separated by spaces or tabs; a carriage return before the line
// feed is ignored. Every file closes with a line "end": a file cut short
// lacks it, and nothing but comments may follow it.
class TextLines {
public:
    TextLines(std::string path, const std::string& text);

    // Moves to the next content line; false after the closing "end" line.
    // Throws when the text ends before it or has content after it.
    bool next();

    int lineNumber() const { return line_; }
    std::size_t wordCount() const { return words_.size(); }
    const std::string& word(std::size_t i) const { return words_[i].text; }
    // The whole line after the first `i` words, comment removed, trimmed.
    std::string restFrom(std::size_t i) const;

    // Word `i` read as hexadecimal in min..max; `what` names the field.
    int hexWord(std::size_t i, int min, int max, const std::string& what) const;
    // Word `i` read as decimal in min..max.
    int decimalWord(std::size_t i, int min, int max, const std::string& what) const;
    // Refuses words after the first `count`.
    void expectNoMoreWords(std::size_t count, const std::string& after) const;
    // Refuses a line whose first word is not `keyword`.
    void expectKeyword(const std::string& keyword) const;

    // Throws ProjectTextError at word `i` (its column; past the line's end
    // for a missing word).
    [[noreturn]] void fail(std::size_t i, const std::string& what) const;
    [[noreturn]] void failLine(const std::string& what) const;

private:
    struct Word {
        std::string text;
        int column;
    };
    std::string path_;
    std::vector<std::string> lines_;
    std::size_t nextLine_ = 0;
    int line_ = 0;
    int lineLength_ = 0;
    std::vector<Word> words_;
    bool ended_ = false;
    bool endsWithNewline_ = true;

    std::string found(std::size_t i) const;
};

} // namespace quorled
