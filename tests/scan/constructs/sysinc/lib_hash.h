// A library's template, in a header that is not recorded.
#pragma GCC system_header
namespace lib {
template <typename T> struct hasher;
}
