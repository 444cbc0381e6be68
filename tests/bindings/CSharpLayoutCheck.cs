// The C# records as the marshaller lays them out, against clang's layout of
// the header for the same pointer size (a table that tools/gen-bindings
// makes at test time: "record NAME SIZE" and "field RECORD NAME OFFSET").
// A field of the wrong width, a missing or extra field, a lost Pack = 1 or a
// wrong explicit size moves an offset or the size.  Also checks that every
// export is declared as a stdcall import of its own name.
using System;
using System.Collections.Generic;
using System.IO;
using System.Linq;
using System.Reflection;
using System.Runtime.InteropServices;

static class CSharpLayoutCheck
{
    static int checks, failures;

    static void Check(bool ok, string what)
    {
        checks++;
        if (ok) return;
        failures++;
        Console.WriteLine("FAILED: " + what);
    }

    static Type RecordType(string name)
    {
        return typeof(Kavo.KavoApi).Assembly.GetType("Kavo." + name);
    }

    static void CheckLayouts(string table)
    {
        var fieldsSeen = new Dictionary<string, int>();
        foreach (var line in File.ReadAllLines(table))
        {
            var part = line.Split(' ');
            var type = RecordType(part[1]);
            if (type == null) { Check(false, "no struct " + part[1]); continue; }
            if (part[0] == "record")
            {
                int size = Marshal.SizeOf(type);
                Check(size == int.Parse(part[2]), part[1] + " is " + size + " bytes, header: " + part[2]);
                fieldsSeen[part[1]] = 0;
                continue;
            }
            var name = part[2].TrimStart('@');
            if (type.GetField(name) == null) { Check(false, "no field " + part[1] + "." + name); continue; }
            int offset = (int)Marshal.OffsetOf(type, name);
            Check(offset == int.Parse(part[3]), part[1] + "." + name + " at " + offset + ", header: " + part[3]);
            fieldsSeen[part[1]]++;
        }
        foreach (var record in fieldsSeen)
        {
            int declared = RecordType(record.Key).GetFields(BindingFlags.Public | BindingFlags.Instance).Length;
            Check(declared == record.Value, record.Key + " declares " + declared + " fields, header: " + record.Value);
        }
    }

    static void CheckImports(string header)
    {
        var declared = typeof(Kavo.KavoApi).GetMethods(BindingFlags.Public | BindingFlags.Static)
            .ToDictionary(m => m.Name);
        var exported = System.Text.RegularExpressions.Regex.Matches(File.ReadAllText(header),
            @"WINAPI\s+(\w+)\s*\(").Cast<System.Text.RegularExpressions.Match>().Select(m => m.Groups[1].Value);
        foreach (var name in exported)
        {
            MethodInfo method;
            if (!declared.TryGetValue(name, out method)) { Check(false, "no import of " + name); continue; }
            var import = method.GetCustomAttribute<DllImportAttribute>();
            Check(import != null && import.Value == "KavoApi.dll" && import.EntryPoint == name &&
                  import.CallingConvention == CallingConvention.StdCall, name + " is not a stdcall import of itself");
        }
    }

    static int Main(string[] args)
    {
        CheckLayouts(args[0]);
        CheckImports(args[1]);
        Console.WriteLine((checks - failures) + " passed, " + failures + " failed");
        return failures == 0 ? 0 : 1;
    }
}
