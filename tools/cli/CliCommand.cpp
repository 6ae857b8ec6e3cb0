#include "CliCommand.h"

#include "Cli.h"
#include "CliArguments.h"
#include "CsvImport.h"
#include "ImageFile.h"
#include "ListedProblems.h"
#include "PrintableText.h"

#include <algorithm>
#include <span>

Command::Command(const char* name, const char* usage, std::ostream& out, std::ostream& err)
    : m_name(name)
    , m_usage(usage)
    , m_out(out)
    , m_err(err)
{
}

bool Command::Parse(CliArguments& arguments, const std::vector<std::string>& args, size_t operands, int& status)
{
    if (std::find_if(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; })
        != args.end()) {
        m_out << m_usage;
        status = EXIT_SAME;
        return false;
    }
    std::string error;
    if (!arguments.Parse(args, error))
        return UsageError(error, status);
    if (arguments.Operands().size() != operands)
        return UsageError(arguments.Operands().size() < operands ? "missing operand" : "too many operands", status);
    return true;
}

bool Command::UsageError(const std::string& text, int& status)
{
    m_err << "tavrel-cli " << m_name << ": " << EchoedText(text) << "\nTry 'tavrel-cli " << m_name << " --help'.\n";
    status = EXIT_TROUBLE;
    return false;
}

int Command::Trouble(const std::string& path, const std::string& reason)
{
    Note(path, reason);
    return EXIT_TROUBLE;
}

void Command::Note(const std::string& path, const std::string& text)
{
    m_err << "tavrel-cli: " << EchoedText(path) << ": " << PrintableText(text) << "\n";
}

void Command::Notes(const std::string& path, const std::vector<std::string>& problems)
{
    for (const std::string& problem : ListedProblems(problems))
        Note(path, problem);
}

bool Command::ReadText(const std::string& path, std::string& text)
{
    std::vector<uint8_t> bytes;
    std::string reason;
    const ImageReadResult result = ReadImageFile(path, MAX_CSV_SIZE, bytes, reason);
    if (result != ImageReadResult::Read) {
        Trouble(path, result == ImageReadResult::TooLarge ? "larger than " + SizeText(MAX_CSV_SIZE) : reason);
        return false;
    }
    text.assign(bytes.begin(), bytes.end());
    return true;
}

bool Command::ReadImage(const std::string& path, ImageDocument& image)
{
    std::string reason;
    const ImageDocument::OpenResult result = image.Open(path, reason, true);
    if (result == ImageDocument::OpenResult::FileError)
        Trouble(path, reason);
    else if (result == ImageDocument::OpenResult::TooLarge)
        Trouble(path, "not a flash image: " + reason);
    return result == ImageDocument::OpenResult::Opened || result == ImageDocument::OpenResult::NotDecoded;
}

bool Command::Load(const std::string& path, ImageDocument& image)
{
    std::string reason;
    const ImageDocument::OpenResult result = image.Open(path, reason);
    if (result == ImageDocument::OpenResult::Opened)
        return true;
    Trouble(path, result == ImageDocument::OpenResult::FileError ? reason : "not a flash image: " + reason);
    return false;
}

bool Command::Save(const std::string& path, ImageDocument& image)
{
    const size_t inputLength = image.FileLength();
    std::string reason;
    if (!image.Save(path, reason)) {
        Trouble(path, reason);
        return false;
    }
    if (image.FileLength() < inputLength)
        Note(path, "wrote " + std::to_string(image.FileLength()) + " bytes, the size of the flash; the input had "
                + std::to_string(inputLength) + ", the rest lies beyond the flash");
    return true;
}

bool Command::DistinctOutput(const std::string& output, const std::vector<std::string>& inputs)
{
    for (const std::string& input : inputs) {
        if (IsSameFile(output, input)) {
            Trouble(output, "is the same file as the input " + input + "; nothing is written");
            return false;
        }
    }
    return true;
}

int Command::Emit(const std::optional<std::string>& path, const std::string& text)
{
    if (!path) {
        m_out << text;
        return EXIT_SAME;
    }
    std::string reason;
    const auto* data = reinterpret_cast<const uint8_t*>(text.data());
    if (!WriteImageFile(*path, std::span(data, text.size()), reason))
        return Trouble(*path, reason);
    return EXIT_SAME;
}

bool Command::Tables(const CliArguments& arguments, unsigned& tables, int& status)
{
    const std::string text = arguments.Value("--table").value_or("all");
    const auto parsed = ParseTableList(text);
    if (!parsed)
        return UsageError("unknown table in --table " + text, status);
    tables = *parsed;
    return true;
}

bool Command::Match(const CliArguments& arguments, MatchMode& mode, int& status)
{
    const std::string text = arguments.Value("--match").value_or("offset");
    if (text != "offset" && text != "reference")
        return UsageError("--match is offset or reference, not " + text, status);
    mode = text == "offset" ? MatchMode::Offset : MatchMode::Reference;
    return true;
}

bool Command::Format(const CliArguments& arguments, const char* first, const char* second, std::string& format,
    int& status)
{
    format = arguments.Value("--format").value_or(first);
    if (format != first && format != second)
        return UsageError(std::string("--format is ") + first + " or " + second + ", not " + format, status);
    return true;
}
