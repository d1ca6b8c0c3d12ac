// Reads UTF-8 text on stdin, one case per NUL-free record separated by the
// byte 0x1E, and prints the quoted form of each on its own line.
#include <iostream>
#include <iterator>
#include <string>

#include "quote.hpp"

int main() {
    std::string all((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    std::size_t start = 0;
    for (;;) {
        std::size_t end = all.find('\x1e', start);
        std::cout << velnor::quote(all.substr(start, end == std::string::npos ? std::string::npos : end - start))
                  << '\n';
        if (end == std::string::npos) break;
        start = end + 1;
    }
}
