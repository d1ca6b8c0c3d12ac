// Embeds the interpreter: imports and uses velnor in two interpreters started
// one after the other in one process (Py_Finalize between them), then tries
// to import it in a second interpreter beside the live one.
#include <Python.h>

namespace {

const char* const USE =
    "import velnor\n"
    "r = velnor.conjugate('gehen')\n"
    "print(type(r).__name__, r.present[0], type(r) is velnor.Conjugation)\n";

const char* const SECOND =
    "try:\n"
    "    import velnor\n"
    "except ImportError as e:\n"
    "    print('ImportError', e)\n"
    "else:\n"
    "    print('imported')\n";

}  // namespace

int main() {
    for (int round = 0; round < 2; ++round) {
        Py_Initialize();
        if (PyRun_SimpleString(USE) != 0) return 1;
        if (Py_FinalizeEx() != 0) return 2;
    }
    Py_Initialize();
    PyThreadState* main_state = PyThreadState_Get();
    PyRun_SimpleString("import velnor");
    PyThreadState* sub = Py_NewInterpreter();
    if (sub == nullptr) return 3;
    PyRun_SimpleString(SECOND);
    Py_EndInterpreter(sub);
    PyThreadState_Swap(main_state);
    return Py_FinalizeEx() == 0 ? 0 : 4;
}
