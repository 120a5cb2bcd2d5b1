#include "uninstall/uninstall_script.h"

#include <cctype>

namespace {

const size_t kMaxLine = 1024;

bool StartsWith(const std::string& s, const char* prefix)
{
    return s.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

bool EndsWith(const std::string& s, const char* suffix)
{
    size_t n = std::char_traits<char>::length(suffix);
    return s.size() >= n && s.compare(s.size() - n, n, suffix) == 0;
}

// An absolute path on a drive ("X:\..."), with no "." or ".." component: the
// uninstaller removes exactly what it names and nothing around it.
bool IsPlainAbsolutePath(const std::string& path)
{
    if (path.size() < 3 || !std::isalpha(static_cast<unsigned char>(path[0])) || path[1] != ':' || path[2] != '\\')
        return false;
    size_t start = 3;
    while (start <= path.size())
    {
        size_t end = path.find('\\', start);
        if (end == std::string::npos)
            end = path.size();
        std::string part = path.substr(start, end - start);
        if (part == "." || part == ".." || (part.empty() && end != path.size()))
            return false;
        start = end + 1;
    }
    return path.find_first_of("*?\"<>|", 3) == std::string::npos && path.find(':', 2) == std::string::npos;
}

}  // namespace

std::string UninstallScript::Message(int nNumber, const std::string& fill) const
{
    auto it = messages.find(nNumber);
    if (it == messages.end())
        return std::string();
    std::string text = it->second;
    size_t at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, fill);
    return text;
}

bool ParseUninstallScript(const std::string& bytes, UninstallScript& script, std::string& error)
{
    script = UninstallScript();
    size_t start = 0;
    int lineNumber = 0;
    while (start < bytes.size())
    {
        ++lineNumber;
        size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos)
        {
            error = "line " + std::to_string(lineNumber) + " does not end with CR LF";
            return false;
        }
        std::string line = bytes.substr(start, end - start);
        start = end + 2;
        if (line.size() > kMaxLine)
        {
            error = "line " + std::to_string(lineNumber) + " is too long";
            return false;
        }
        if (line.find('\0') != std::string::npos)
        {
            error = "line " + std::to_string(lineNumber) + " holds a NUL byte";
            return false;
        }
        if (StartsWith(line, "J0,2,") && EndsWith(line, ",") && line.size() > 6)
        {
            std::string path = line.substr(5, line.size() - 6);
            if (!StartsWith(path, "SOFTWARE\\") && !StartsWith(path, "Software\\"))
            {
                error = "line " + std::to_string(lineNumber) + " names a registry path outside SOFTWARE";
                return false;
            }
            script.registry.push_back(path);
        }
        else if ((StartsWith(line, "P0,") || StartsWith(line, "U0,")) && EndsWith(line, ",0") && line.size() > 5)
        {
            std::string path = line.substr(3, line.size() - 5);
            if (!IsPlainAbsolutePath(path))
            {
                error = "line " + std::to_string(lineNumber) + " names an unsafe path: " + path;
                return false;
            }
            (line[0] == 'P' ? script.files : script.folders).push_back(path);
        }
        else if (line.size() > 2 && line[0] == 'A' && std::isdigit(static_cast<unsigned char>(line[1])))
        {
            size_t comma = line.find(',');
            if (comma == std::string::npos || line.find_first_not_of("0123456789", 1) != comma || comma > 4)
            {
                error = "line " + std::to_string(lineNumber) + " is not a message";
                return false;
            }
            script.messages[std::stoi(line.substr(1, comma - 1))] = line.substr(comma + 1);
        }
        else
        {
            error = "line " + std::to_string(lineNumber) + " is of no known kind";
            return false;
        }
    }
    if (script.messages.count(10) == 0 || script.messages.count(43) == 0 || script.messages.count(48) == 0)
    {
        error = "the message block is missing or incomplete";
        return false;
    }
    return true;
}
