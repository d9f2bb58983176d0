#!/usr/bin/env python3
"""Reads, in the disassembly, how the Free Pascal probe and the 32-bit plug-in
meet: the half of the calling-convention proof that needs no 32-bit process.

Usage: check_probe_abi.py PROBE.exe Orbidate.nbp [OBJDUMP [NM]]

Probe side (Free Pascal, Delphi mode, register convention):
- each CallXxx routine of ProbePlugin loads the declared arguments, read from
  CallArgs[0..3], into EAX, EDX, ECX and pushes the rest in declaration order,
  calls through EntryPoints[its entry point] and leaves the stack to the
  callee;
- each host callback of ProbeHost copies its arguments into CallbackArgs in
  declaration order: the first three come from EAX, EDX, ECX and the stack
  arguments from where the caller pushed them (the last declared one at the
  lowest address), and every ret pops exactly the stack arguments.
Plug-in side (GCC, regparm(3) + stdcall):
- each entry point pops exactly the bytes the probe pushes for it;
- the call through the HostAddAction pointer in RegisterCatalogue stores the
  parameter count at the lowest stack address, count - 1 above it and the
  address of the kind bytes above that, the id in EAX, and expects the callee
  to pop the 12 bytes.
"""
import re
import subprocess
import sys

# Entry point: (CallXxx routine, declared argument count, DLL symbol).
ENTRY_POINTS = [
    ("CALLINITPLUGIN", 4, "nbInitPlugIn"),
    ("CALLREGISTERPLUGIN", 4, "nbRegisterPlugIn"),
    ("CALLREGISTERSCRIPTPROCESSOR", 1, "nbRegisterScriptProcessor"),
    ("CALLREGISTERINTERFACEACCESS", 1, "nbRegisterInterfaceAccess"),
    ("CALLEDITACTION", 2, "nbEditAction"),
    ("CALLEXECACTION", 2, "nbExecAction"),
    ("CALLMESSAGE", 1, "nbMessage"),
    ("CALLABOUT", 0, "nbAbout"),
]
# Host callback: (routine name prefix, declared argument count).
CALLBACKS = [
    ("HOSTADDACTION", 6),
    ("HOSTSETVAR", 2),
    ("HOSTRUNSCRIPT", 1),
    ("HOSTINTERFACEACCESS", 2),
]
ARG_REGISTERS = ["%eax", "%edx", "%ecx"]
PARTIAL_REGISTERS = {"%" + part: "%e" + reg for reg in ("ax", "bx", "cx", "dx")
                     for part in (reg, reg[0] + "l", reg[0] + "h")}
PARTIAL_REGISTERS.update({"%si": "%esi", "%di": "%edi"})

failures = []
checks = 0


def check(condition, message):
    global checks
    checks += 1
    print(("ok    " if condition else "FAIL  ") + message)
    if not condition:
        failures.append(message)


def functions(objdump, path):
    """Name -> list of (mnemonic, operands) for every function in the file."""
    out = subprocess.run([objdump, "-d", "--no-show-raw-insn", path],
                         capture_output=True, text=True, check=True).stdout
    result, current = {}, None
    for line in out.splitlines():
        head = re.match(r"^[0-9a-f]+ <(.+)>:$", line)
        if head:
            current = result.setdefault(head.group(1), [])
            continue
        body = re.match(r"^\s*[0-9a-f]+:\s+(\S+)\s*(.*?)\s*$", line)
        if body and current is not None:
            operands = re.sub(r"\s+<.*>$", "", body.group(2))
            current.append((body.group(1), operands))
    return result


def symbols(nm, path):
    out = subprocess.run([nm, path], capture_output=True, text=True, check=True).stdout
    table = {}
    for line in out.splitlines():
        parts = line.split()
        if len(parts) == 3:
            table[parts[2]] = int(parts[0], 16)
    return table


def find(funcs, pattern):
    names = [name for name in funcs if re.fullmatch(pattern, name)]
    return (names[0], funcs[names[0]]) if len(names) == 1 else (None, None)


def split_operands(text):
    """AT&T operands split at the commas outside parentheses."""
    parts, depth, current = [], 0, ""
    for ch in text:
        if ch == "," and depth == 0:
            parts.append(current.strip())
            current = ""
            continue
        depth += ch == "("
        depth -= ch == ")"
        current += ch
    if current.strip():
        parts.append(current.strip())
    return parts


def absolute(operand):
    """The address of an absolute memory operand such as 0x411c10, else None."""
    m = re.fullmatch(r"(?:%ds:)?(0x[0-9a-f]+)", operand)
    return int(m.group(1), 16) if m else None


def frame_offset(operand, base):
    """N of N(%base), else None."""
    m = re.fullmatch(r"(-?0x[0-9a-f]+|-?\d+)?\(%s\)" % re.escape(base), operand)
    if not m:
        return None
    return int(m.group(1), 0) if m.group(1) else 0


class Machine:
    """Follows where values go in straight-line code: registers, the frame
    (N(%ebp)), the outgoing stack (pushes and N(%esp) stores) and stores to
    absolute addresses. Values are tuples naming their origin."""

    def __init__(self, regs=None, frame=None, label=lambda address: ("mem", address)):
        self.regs = dict(regs or {})
        self.frame = dict(frame or {})
        self.label = label
        self.esp = 0
        self.pushes = 0
        self.stack = {}
        self.stores = {}

    def value(self, operand):
        if operand.startswith("$"):
            return ("imm", int(operand[1:], 0))
        if operand in ("%eax", "%ebx", "%ecx", "%edx", "%esi", "%edi", "%ebp"):
            return self.regs.get(operand)
        address = absolute(operand)
        if address is not None:
            return self.label(address)
        offset = frame_offset(operand, "%ebp")
        if offset is not None:
            return self.frame.get(offset, ("load", operand))
        offset = frame_offset(operand, "%esp")
        if offset is not None:
            return self.stack.get(self.esp + offset)
        return ("load", operand)

    def store(self, operand, value):
        if operand.startswith("%"):
            full = PARTIAL_REGISTERS.get(operand)
            if full:
                self.regs[full] = None  # a partial write leaves the whole register unknown
            else:
                self.regs[operand] = value
            return
        address = absolute(operand)
        if address is not None:
            self.stores[address] = value
            return
        offset = frame_offset(operand, "%ebp")
        if offset is not None:
            self.frame[offset] = value
            return
        offset = frame_offset(operand, "%esp")
        if offset is not None:
            self.stack[self.esp + offset] = value

    def step(self, mnemonic, operands):
        ops = split_operands(operands)
        if mnemonic in ("mov", "movl") and len(ops) == 2:
            self.store(ops[1], self.value(ops[0]))
        elif mnemonic in ("movzbl", "movzwl", "movsbl", "movswl") and len(ops) == 2:
            self.store(ops[1], ("load8", ops[0]) if mnemonic == "movzbl" else None)
        elif mnemonic in ("lea", "leal") and len(ops) == 2:
            if ops[1] == "%esp":
                offset = frame_offset(ops[0], "%esp")
                self.esp += offset or 0
                return
            m = re.fullmatch(r"-0x1\((%e[a-z]{2})\)", ops[0])
            if m:
                self.store(ops[1], ("minus1", self.regs.get(m.group(1))))
            else:
                self.store(ops[1], ("addr", ops[0]))
        elif mnemonic in ("push", "pushl") and len(ops) == 1:
            self.esp -= 4
            self.pushes += 1
            self.stack[self.esp] = self.value(ops[0])
        elif mnemonic in ("pop", "popl") and len(ops) == 1:
            self.store(ops[0], self.stack.get(self.esp))
            self.esp += 4
            self.pushes -= 1
        elif mnemonic in ("sub", "subl", "add", "addl") and len(ops) == 2 and ops[1] == "%esp" \
                and ops[0].startswith("$"):
            amount = int(ops[0][1:], 0)
            self.esp += -amount if mnemonic.startswith("sub") else amount
        elif mnemonic in ("dec", "decl") and len(ops) == 1 and ops[0].startswith("%"):
            self.regs[ops[0]] = ("minus1", self.regs.get(ops[0]))
        elif mnemonic in ("xor", "xorl") and len(ops) == 2 and ops[0] == ops[1]:
            self.regs[ops[1]] = ("imm", 0)
        elif ops and ops[-1].startswith("%") and not mnemonic.startswith(("cmp", "test", "j", "nop")):
            # Anything else that writes a register leaves it unknown.
            self.regs[ops[-1]] = None

    def outgoing(self, count):
        """The stack arguments at a call, from the lowest address up."""
        return [self.stack.get(self.esp + 4 * k) for k in range(count)]


def rets(body):
    pops = set()
    for mnemonic, operands in body:
        if mnemonic in ("ret", "retl"):
            pops.add(int(operands[1:], 0) if operands.startswith("$") else 0)
    return pops


def check_call_sites(probe, syms, dll):
    call_args = syms.get("U_$PROBEPLUGIN_$$_CALLARGS")
    entry_table = syms.get("U_$PROBEPLUGIN_$$_ENTRYPOINTS")
    check(call_args is not None and entry_table is not None,
          "probe symbols CallArgs and EntryPoints are in the symbol table")
    if call_args is None or entry_table is None:
        return

    def label(address):
        if call_args <= address < call_args + 16 and (address - call_args) % 4 == 0:
            return ("arg", (address - call_args) // 4)
        if entry_table <= address < entry_table + 32 and (address - entry_table) % 4 == 0:
            return ("entry", (address - entry_table) // 4)
        return ("mem", address)

    for index, (routine, count, export) in enumerate(ENTRY_POINTS):
        name, body = find(probe, r"PROBEPLUGIN_\$\$_%s(\$\$\w+)?" % routine)
        check(body is not None, "%s: probe routine %s found" % (export, routine))
        if body is None:
            continue
        machine = Machine(label=label)
        target, after = None, None
        for position, (mnemonic, operands) in enumerate(body):
            if position < 2 and (mnemonic, operands) in (("push", "%ebp"), ("mov", "%esp,%ebp")):
                if mnemonic == "push":
                    machine.esp -= 4
                continue
            if mnemonic.startswith("call"):
                operand = operands.lstrip("*")
                target = machine.value(operand) if operands.startswith("*") else None
                after = body[position + 1] if position + 1 < len(body) else None
                break
            machine.step(mnemonic, operands)
        check(target == ("entry", index), "%s: called through EntryPoints[%d] (got %s)" % (export, index, target))
        for k in range(min(count, 3)):
            got = machine.regs.get(ARG_REGISTERS[k])
            check(got == ("arg", k), "%s: argument %d travels in %s (got %s)" % (export, k + 1, ARG_REGISTERS[k], got))
        stack_count = max(count - 3, 0)
        pushed = machine.pushes
        check(pushed == stack_count, "%s: %d stack argument(s) pushed (got %d)" % (export, stack_count, pushed))
        # The last pushed is at the lowest address: reversed declaration order.
        got = machine.outgoing(stack_count)
        expected = [("arg", k) for k in range(count - 1, 2, -1)]
        check(got == expected, "%s: stack arguments pushed in declaration order, the last one last (got %s)"
              % (export, got))
        caller_pops = after is not None and after[0].startswith("add") and after[1].endswith(",%esp")
        check(not caller_pops, "%s: the caller leaves the stack arguments to the callee" % export)
        dll_name, dll_body = find(dll, r"_?%s(@\d+)?" % export)
        check(dll_body is not None and rets(dll_body) == {4 * stack_count},
              "%s: the plug-in pops the %d bytes the probe pushes (got %s)"
              % (export, 4 * stack_count, sorted(rets(dll_body)) if dll_body else None))


def check_callbacks(probe, syms):
    callback_args = syms.get("U_$PROBEHOST_$$_CALLBACKARGS")
    check(callback_args is not None, "probe symbol CallbackArgs is in the symbol table")
    if callback_args is None:
        return
    for routine, count in CALLBACKS:
        name, body = find(probe, r"PROBEHOST_\$\$_%s(\$\S*)?" % routine)
        check(body is not None, "%s: probe callback found" % routine)
        if body is None:
            continue
        has_frame = len(body) >= 2 and body[0] == ("push", "%ebp") and body[1] == ("mov", "%esp,%ebp")
        check(has_frame, "%s: sets up a frame pointer" % routine)
        if not has_frame:
            continue
        # On entry: the register arguments; above the return address and the
        # saved EBP, the stack arguments from the lowest address up.
        regs = {reg: ("param", k) for k, reg in enumerate(ARG_REGISTERS[:count])}
        frame = {8 + 4 * k: ("stack", k) for k in range(max(count - 3, 0))}
        machine = Machine(regs=regs, frame=frame)
        for mnemonic, operands in body[2:]:
            if mnemonic.startswith("call"):
                break
            machine.step(mnemonic, operands)
        received = [machine.stores.get(callback_args + 4 * k) for k in range(count)]
        stack_count = max(count - 3, 0)
        # Pushed in declaration order: the last declared argument is the
        # last pushed, at the lowest address.
        expected = [("param", k) for k in range(min(count, 3))] + \
                   [("stack", stack_count - 1 - k) for k in range(stack_count)]
        for k in range(count):
            check(received[k] == expected[k], "%s: argument %d read from %s (got %s)" % (
                routine, k + 1, ARG_REGISTERS[k] if k < 3 else "stack argument %d from the top" % (expected[k][1] + 1),
                received[k]))
        check(rets(body) == {4 * stack_count}, "%s: every ret pops %d bytes (got %s)"
              % (routine, 4 * stack_count, sorted(rets(body))))


def check_plugin_add_action(dll):
    name, body = find(dll, r"__ZN8orbidate17RegisterCatalogue\S*")
    check(body is not None, "plug-in: RegisterCatalogue found")
    if body is None:
        return
    calls = [i for i, (mnemonic, operands) in enumerate(body)
             if mnemonic.startswith("call") and operands.startswith("*")]
    check(len(calls) == 1, "plug-in: RegisterCatalogue makes one indirect call, through HostAddAction (got %d)"
          % len(calls))
    if len(calls) != 1:
        return
    at = calls[0]
    start = max(i for i in range(at) if body[i][0].startswith("call")) + 1 if any(
        body[i][0].startswith("call") for i in range(at)) else 0
    machine = Machine()
    for mnemonic, operands in body[start:at]:
        machine.step(mnemonic, operands)
    count, last_kind, kinds = machine.outgoing(3)
    check(count is not None and count[0] in ("load8", "load"),
          "plug-in: the lowest stack argument is the count read from the entry (got %s)" % (count,))
    check(last_kind == ("minus1", count) and count is not None,
          "plug-in: the next one up is count - 1 (got %s)" % (last_kind,))
    check(kinds is not None and kinds[0] == "addr", "plug-in: the highest is the address of the kind bytes (got %s)"
          % (kinds,))
    base = re.search(r"\((%e[a-z]{2})\)", kinds[1]).group(1) if kinds and kinds[0] == "addr" else None
    eax = machine.regs.get("%eax")
    check(base is not None and eax in (("load", "(%s)" % base), ("load", "0x0(%s)" % base)),
          "plug-in: EAX holds the id, the first field of the same entry (got %s)" % (eax,))
    for reg in ("%edx", "%ecx"):
        check(machine.regs.get(reg) is not None, "plug-in: %s is loaded before the call (name, hint)" % reg)
    # GCC keeps its outgoing area: after a callee that pops, it reserves the
    # 12 bytes again; it never pops them itself.
    following = body[at + 1] if at + 1 < len(body) else ("", "")
    check(not (following[0].startswith("add") and following[1].endswith(",%esp")),
          "plug-in: does not pop the stack arguments after HostAddAction (next: %s %s)" % following)
    check(following == ("sub", "$0xc,%esp") or not following[1].endswith("%esp"),
          "plug-in: expects HostAddAction to pop 12 bytes (next: %s %s)" % following)


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    probe_path, dll_path = argv[1], argv[2]
    objdump = argv[3] if len(argv) > 3 else "i686-w64-mingw32-objdump"
    nm = argv[4] if len(argv) > 4 else "i686-w64-mingw32-nm"
    probe = functions(objdump, probe_path)
    dll = functions(objdump, dll_path)
    syms = symbols(nm, probe_path)
    check_call_sites(probe, syms, dll)
    check_callbacks(probe, syms)
    check_plugin_add_action(dll)
    print("%d passed, %d failed" % (checks - len(failures), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
