#pragma once

// The one installed instance of a service class `T` (which derives from CurrentInstance<T>): null while
// none is installed, and an instance that goes away uninstalls itself. Set from the GUI thread only.
template <class T> class CurrentInstance {
public:
    static T* current() { return static_cast<T*>(s_current); }
    static void setCurrent(T* instance) { s_current = instance; }

protected:
    ~CurrentInstance()
    {
        if (s_current == this)
            s_current = nullptr;
    }

private:
    // Held as the base, so that a dying instance compares without a cast.
    inline static CurrentInstance* s_current = nullptr;
};
