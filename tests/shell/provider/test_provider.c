/* A password provider library for the tests: both entry points of the
 * system's providers, answering through callbacks the test sets. */
#include <stddef.h>

typedef int (*VerifyCallback)(void* window);
typedef unsigned (*ChangeCallback)(const char* provider, void* parent, unsigned reserved1, unsigned reserved2);

static VerifyCallback g_verify = NULL;
static ChangeCallback g_change = NULL;

void testProviderSetCallbacks(VerifyCallback verify, ChangeCallback change) {
    g_verify = verify;
    g_change = change;
}

int VerifyScreenSavePwd(void* window) { return g_verify ? g_verify(window) : 0; }

unsigned PwdChangePasswordA(const char* provider, void* parent, unsigned reserved1, unsigned reserved2) {
    return g_change ? g_change(provider, parent, reserved1, reserved2) : 0;
}
