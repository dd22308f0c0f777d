// sueldara-recibo: computes pay receipts from JSON requests, for batch checks.

#include <cstdio>
#include <ctime>
#include <iostream>
#include <string>

#include "batch.h"

namespace {

constexpr const char* kUsage =
    "Uso: sueldara-recibo [--decimal-separator ,|.] [--format json|text] [ARCHIVO]\n"
    "     sueldara-recibo --list-posts [--format json|text]\n"
    "\n"
    "Lee una solicitud JSON, o una por línea (JSON Lines), del ARCHIVO o de la\n"
    "entrada estándar, y escribe un resultado por solicitud.\n";

int usageError(const std::string& message) {
    std::cerr << "sueldara-recibo: " << message << "\n" << kUsage;
    return 2;
}

std::string now() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%d/%m/%Y %H:%M:%S", &local);
    return buffer;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace sueldara::batch;
    Options options;
    bool listPosts = false;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (arg == "--decimal-separator" && i + 1 < argc) {
            const std::string sep = argv[++i];
            if (sep != "," && sep != ".") return usageError("el separador decimal debe ser ',' o '.'");
            options.decimalSeparator = sep[0];
        } else if (arg == "--format" && i + 1 < argc) {
            const std::string f = argv[++i];
            if (f == "json") options.format = Format::json;
            else if (f == "text") options.format = Format::text;
            else return usageError("el formato debe ser json o text");
        } else if (arg == "--list-posts") {
            listPosts = true;
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            return usageError("opción desconocida: " + arg);
        } else if (path.empty()) {
            path = arg;
        } else {
            return usageError("se esperaba un solo archivo");
        }
    }

    std::string out;
    if (listPosts) {
        writePosts(out, options.format);
        std::fwrite(out.data(), 1, out.size(), stdout);
        return 0;
    }

    std::string input;
    FILE* source = stdin;
    if (!path.empty() && path != "-") {
        source = std::fopen(path.c_str(), "rb");
        if (!source) return usageError("no se puede leer el archivo " + path);
        if (std::fseek(source, 0, SEEK_END) == 0) {
            const long size = std::ftell(source);
            if (size > 0) input.reserve(static_cast<std::size_t>(size));
            std::rewind(source);
        }
    }
    char buffer[1 << 16];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, source)) > 0) input.append(buffer, n);
    if (source != stdin) std::fclose(source);

    options.dateTime = now();
    bool written = true;
    options.sink = [&written](std::string_view block) {
        written = written && std::fwrite(block.data(), 1, block.size(), stdout) == block.size();
    };
    const int status = runBatch(input, options, out);
    return written && std::fflush(stdout) == 0 ? status : 2;
}
