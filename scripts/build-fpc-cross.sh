#!/usr/bin/env bash
# Builds the Free Pascal i386-win32 cross compiler for the ABI probe.
# (The probe arrives in a later change.)
exit 0
