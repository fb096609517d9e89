#include "ui/Exception.h"

#include <cstdio>

namespace {

std::string InOutMessage(int code) {
  switch (code) {
    case 2: return "文件没找到";
    case 5: return "文件存取错误";
    case 100: return "读文件时超出文件结尾";
    default: {
      char text[64];
      std::snprintf(text, sizeof text, "I/O 错误 %d", code);
      return text;
    }
  }
}

}  // namespace

EInOutError::EInOutError(int code) : Exception(InOutMessage(code)), FErrorCode(code) {}
