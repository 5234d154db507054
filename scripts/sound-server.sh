# Sourced by the test and run scripts: a private PulseAudio daemon with a null
# sink and a null source, so playback and recording work without a sound card.
start_sound_server() {
    export XDG_RUNTIME_DIR="$(mktemp -d)"
    chmod 700 "$XDG_RUNTIME_DIR"
    if command -v pulseaudio >/dev/null; then
        pulseaudio --start -n --exit-idle-time=-1 --load=module-native-protocol-unix \
            --load="module-null-sink sink_name=nullsink" \
            --load="module-null-source source_name=nullsrc rate=22050 channels=1 max_latency_msec=20" \
            >/dev/null 2>&1 </dev/null || echo "note: no sound server; sound tests will be skipped"
    fi
}
stop_sound_server() {
    pulseaudio --kill >/dev/null 2>&1 || true
    rm -rf "$XDG_RUNTIME_DIR"
}
