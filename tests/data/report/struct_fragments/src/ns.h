#define LIB_BEGIN_NAMESPACE namespace lib {
#define LIB_END_NAMESPACE }
