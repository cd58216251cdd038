// Clients of the remote control for the bench, on 127.0.0.1 only.
//   node --experimental-websocket remote-clients.mjs live PORT KEY N SECONDS
//     N live WebSockets that only read, held open SECONDS (or until killed);
//     prints how many state messages each got.
//   node --experimental-websocket remote-clients.mjs talent PORT KEY N SECONDS
//     The same as talent views: each gets the script and every position;
//     prints how many of each type each got.
//   node --experimental-websocket remote-clients.mjs churn PORT KEY COUNT
//     COUNT connections one after another, each closed again: half plain
//     GET /api/state on a connection of its own, half WebSocket opens that
//     wait for the first state; prints how many succeeded.
import http from "node:http";

const [mode, port, key, countText, secondsText] = process.argv.slice(2);
const count = Number(countText);
const live = `ws://127.0.0.1:${port}/api/live?key=${key}`;
const view = `${live}&view=prompter`;

function openSocket(onMessage, address = live) {
    return new Promise((resolve, reject) => {
        const socket = new WebSocket(address);
        const timer = setTimeout(() => reject(new Error("open timed out")), 10000);
        socket.onmessage = (event) => {
            clearTimeout(timer);
            onMessage(event.data);
            resolve(socket);
        };
        socket.onerror = () => reject(new Error("socket error"));
    });
}

function getState() {
    return new Promise((resolve, reject) => {
        const request = http.get(
            { host: "127.0.0.1", port, path: "/api/state", agent: false, timeout: 10000,
              headers: { Authorization: `Bearer ${key}`, Connection: "close" } },
            (answer) => {
                answer.resume();
                answer.on("end", () => resolve(answer.statusCode === 200));
            });
        request.on("timeout", () => request.destroy(new Error("timed out")));
        request.on("error", reject);
    });
}

function closed(socket) {
    return new Promise((resolve) => {
        socket.onclose = () => resolve();
        socket.close();
    });
}

// COUNT sockets on `address` held open SECONDS (or until killed); every
// message goes through `tally` into its socket's record, printed at the end.
async function holdOpen(address, records, tally, show) {
    const sockets = await Promise.all(
        records.map((record) => openSocket((data) => tally(record, data), address)));
    console.log(`open ${sockets.length}`);
    const end = () => {
        console.log(`messages ${records.map(show).join(" ")}`);
        process.exit(0);
    };
    process.on("SIGTERM", end);
    setTimeout(end, Number(secondsText) * 1000);
}

if (mode === "live") {
    await holdOpen(live, Array.from({ length: count }, () => ({ n: 0 })),
        (record) => ++record.n, (record) => record.n);
} else if (mode === "talent") {
    await holdOpen(view, Array.from({ length: count }, () => ({ script: 0, position: 0 })),
        (record, data) => {
            const type = JSON.parse(data).type;
            if (type in record) ++record[type];
        },
        (record) => `${record.script}+${record.position}`);
} else if (mode === "churn") {
    let fine = 0;
    const started = Date.now();
    for (let i = 0; i < count; ++i) {
        try {
            if (i % 2 === 0)
                fine += (await getState()) ? 1 : 0;
            else {
                await closed(await openSocket(() => {}));
                ++fine;
            }
        } catch (error) {
            console.error(`connection ${i}: ${error.message}`);
        }
    }
    console.log(`churn ${fine} of ${count} in ${((Date.now() - started) / 1000).toFixed(1)} s`);
} else {
    console.error("usage: live|talent PORT KEY N SECONDS | churn PORT KEY COUNT");
    process.exit(2);
}
