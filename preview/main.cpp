#include "platform/Environment.h"

#include <iostream>

int main() {
    std::cout << "ZTSwiftUIComponents preview\n";
    return 0;
}
