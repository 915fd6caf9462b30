// The model in 3D with three.js, in a worker of its own that draws on the
// page's canvas (handed over as an OffscreenCanvas): drawing a big model in
// software takes seconds a frame, which would otherwise hold the page. One
// InstancedMesh per shape and color, built from the model's own numbers, so
// that the full-capacity model is a few dozen draws, not 35,000 meshes. Turn
// with the mouse or the arrow keys, zoom with the wheel or + and -; pointing
// at a bead or connector names it, found through a tree of the beads' and
// connectors' boxes once the pointer rests.
//
// From the page (model-view.mjs): {type: 'start', canvas, width, height},
// {type: 'size', width, height}, {type: 'event', event} (a pointer, wheel or
// key event of the canvas, its place counted from the canvas's corner),
// {type: 'show', id, numbers}, {type: 'clear'}, {type: 'reset'}. To the
// page: {type: 'shown', id} once the picture is drawn, {type: 'picked',
// picked, cost} (what is under the pointer, or null, and the milliseconds
// spent finding it), {type: 'failed', message} when it cannot draw.

import * as THREE from 'three';
import { OrbitControls } from 'three/addons/controls/OrbitControls.js';
import { ObjectBVH } from 'three-mesh-bvh';

// Coarser spheres when there are many: the picture stays quick in software rendering.
const MANY_BEADS = 2000;
const UP = new THREE.Vector3(0, 1, 0);
// An arrow key turns the model by this much, by a fifth of it with Shift or Ctrl.
const KEY_TURN = THREE.MathUtils.degToRad(5);
const KEY_ZOOM = 1.2;
const KEY_MOVES = {
    ArrowLeft: [1, 0], ArrowRight: [-1, 0], ArrowUp: [0, 1], ArrowDown: [0, -1],
};
// What is under the pointer is looked for once it has rested this long, not
// at every move of a drag.
const REST_MS = 60;
const nextFrame = (draw) => (self.requestAnimationFrame ?? setTimeout)(draw);

function groupByColor(count, colorOf, keep) {
    const groups = new Map();
    for (let i = 0; i < count; i++) {
        if (!keep(i)) continue;
        const color = colorOf(i);
        if (!groups.has(color)) groups.set(color, []);
        groups.get(color).push(i);
    }
    return groups;
}

// The canvas as OrbitControls sees it: the page forwards its events and its size.
class CanvasStandIn extends THREE.EventDispatcher {
    style = {};
    clientWidth = 0;
    clientHeight = 0;
    get ownerDocument() { return this; }
    getRootNode() { return this; }
    getBoundingClientRect() {
        const [width, height] = [this.clientWidth, this.clientHeight];
        return { left: 0, top: 0, x: 0, y: 0, width, height, right: width, bottom: height };
    }
    setPointerCapture() {}
    releasePointerCapture() {}
    hasPointerCapture() { return false; }
    focus() {}
}

class ModelView {
    constructor(offscreen) {
        const canvas = new CanvasStandIn();
        this.canvas = canvas;
        this.onPick = (picked, cost) => self.postMessage({ type: 'picked', picked, cost });
        this.renderer = new THREE.WebGLRenderer({ canvas: offscreen, antialias: false, preserveDrawingBuffer: true });
        this.scene = new THREE.Scene();
        this.scene.background = new THREE.Color(0x202020);
        this.scene.add(new THREE.HemisphereLight(0xffffff, 0x404040, 1.5));
        this.camera = new THREE.PerspectiveCamera(35, 1, 0.1, 1000);
        const light = new THREE.DirectionalLight(0xffffff, 2.5);
        light.position.set(1, 1, 2);  // from the upper right, behind the viewer
        this.camera.add(light);
        this.scene.add(this.camera);
        this.controls = new OrbitControls(this.camera, canvas);
        canvas.addEventListener('keydown', (event) => this.key(event));
        this.controls.addEventListener('change', () => this.#drawSoon());
        this.model = new THREE.Group();
        this.scene.add(this.model);
        this.raycaster = new THREE.Raycaster();
        this.raycaster.firstHitOnly = true;
        canvas.addEventListener('pointermove', (event) => {
            clearTimeout(this.resting);
            this.resting = setTimeout(() => this.#point(event), REST_MS);
        });
    }

    resize(width, height) {
        Object.assign(this.canvas, { clientWidth: width, clientHeight: height });
        if (width === 0 || height === 0) return;
        this.renderer.setSize(width, height, false);
        this.camera.aspect = width / height;
        this.camera.updateProjectionMatrix();
        this.render();
    }

    render() {
        this.renderer.render(this.scene, this.camera);
    }

    // Moves of a drag come faster than software draws frames: one frame for all that came before it.
    #drawSoon() {
        if (this.drawing) return;
        this.drawing = true;
        nextFrame(() => {
            this.drawing = false;
            this.render();
        });
    }

    clear() {
        this.tree = null;
        for (const mesh of this.model.children) {
            mesh.geometry.dispose();
            mesh.material.dispose();
            mesh.dispose();
        }
        this.model.clear();
        this.render();
    }

    // numbers: the glTF run's model (beads x y z radius, beadColors, beadDrawn, connectorBeads,
    // connectorRadii, connectorColors, connectorDrawn, colorRgb). What the program leaves out of
    // the glTF file (beadDrawn or connectorDrawn 0) is left out here too.
    show(numbers) {
        this.clear();
        this.numbers = numbers;
        const { beads, beadColors, beadDrawn, connectorBeads, connectorRadii, connectorColors, connectorDrawn } = numbers;
        const beadCount = beadColors.length;
        const centre = (b) => new THREE.Vector3(beads[4 * b], beads[4 * b + 1], beads[4 * b + 2]);
        const segments = beadCount > MANY_BEADS ? 12 : 32;
        const sphere = new THREE.SphereGeometry(1, segments, segments / 2);
        const groups = groupByColor(beadCount, (b) => beadColors[b], (b) => beadDrawn[b] === 1);
        const matrix = new THREE.Matrix4();
        const turn = new THREE.Quaternion();
        for (const [color, members] of groups) {
            const mesh = this.#instances(sphere, color, members, 'bead');
            members.forEach((b, k) => {
                const r = beads[4 * b + 3];
                mesh.setMatrixAt(k, matrix.compose(centre(b), turn.identity(), new THREE.Vector3(r, r, r)));
            });
        }
        const cylinder = new THREE.CylinderGeometry(1, 1, 1, beadCount > MANY_BEADS ? 8 : 16, 1, true);
        const ends = (c) => [centre(connectorBeads[2 * c] - 1), centre(connectorBeads[2 * c + 1] - 1)];
        const joined = groupByColor(connectorRadii.length, (c) => connectorColors[c], (c) => connectorDrawn[c] === 1);
        for (const [color, members] of joined) {
            const mesh = this.#instances(cylinder, color, members, 'connector');
            members.forEach((c, k) => {
                const [a, b] = ends(c);
                const axis = b.clone().sub(a);
                const r = connectorRadii[c];
                turn.setFromUnitVectors(UP, axis.clone().normalize());
                mesh.setMatrixAt(k, matrix.compose(a.add(b).multiplyScalar(0.5), turn,
                                                   new THREE.Vector3(r, axis.length(), r)));
            });
        }
        for (const mesh of this.model.children) mesh.computeBoundingSphere();
        if (this.model.children.length > 0) this.tree = new ObjectBVH(this.model.children);
        this.resetView();
        // Drawn when the software that draws it is done, not when it is asked to.
        this.renderer.getContext().finish();
    }

    #instances(geometry, color, members, kind) {
        const rgb = this.numbers.colorRgb;
        const material = new THREE.MeshStandardMaterial({ roughness: 0.5, metalness: 0,
            color: new THREE.Color().setRGB(rgb[3 * color], rgb[3 * color + 1], rgb[3 * color + 2]) });
        const mesh = new THREE.InstancedMesh(geometry, material, members.length);
        mesh.userData = { kind, members };
        this.model.add(mesh);
        return mesh;
    }

    // The whole model in sight, seen along -z as the gallery's pictures are.
    resetView() {
        const bounds = new THREE.Box3().setFromObject(this.model);
        const sphere = bounds.isEmpty() ? new THREE.Sphere(new THREE.Vector3(), 1) : bounds.getBoundingSphere(new THREE.Sphere());
        const radius = Math.max(sphere.radius, 1e-3);
        const distance = radius / Math.sin(THREE.MathUtils.degToRad(this.camera.fov / 2));
        this.camera.position.copy(sphere.center).add(new THREE.Vector3(0, 0, distance * 0.8));
        this.camera.near = distance / 100;
        this.camera.far = distance * 30;
        // Zoom, by wheel or key, stays where the model is neither clipped nor lost.
        this.controls.minDistance = distance / 50;
        this.controls.maxDistance = distance * 10;
        this.camera.updateProjectionMatrix();
        this.controls.target.copy(sphere.center);
        this.controls.update();
        this.render();
    }

    key(event) {
        const move = KEY_MOVES[event.key];
        const zoom = { '+': 1 / KEY_ZOOM, '=': 1 / KEY_ZOOM, '-': KEY_ZOOM }[event.key];
        if (!move && !zoom) return;
        const offset = this.camera.position.clone().sub(this.controls.target);
        if (move) {
            const step = event.shiftKey || event.ctrlKey ? KEY_TURN / 5 : KEY_TURN;
            const around = new THREE.Spherical().setFromVector3(offset);
            around.theta += move[0] * step;
            around.phi = THREE.MathUtils.clamp(around.phi - move[1] * step, 1e-3, Math.PI - 1e-3);
            offset.setFromSpherical(around);
        } else {
            offset.multiplyScalar(zoom);
        }
        this.camera.position.copy(this.controls.target).add(offset);
        this.controls.update();
    }

    #point(event) {
        if (!this.tree) return;
        const started = performance.now();
        const { clientWidth: width, clientHeight: height } = this.canvas;
        const at = new THREE.Vector2((event.clientX / width) * 2 - 1, -(event.clientY / height) * 2 + 1);
        this.raycaster.setFromCamera(at, this.camera);
        const hit = this.tree.raycast(this.raycaster)[0];
        const cost = performance.now() - started;
        if (!hit) return this.onPick(null, cost);
        const { kind, members } = hit.object.userData;
        const index = members[hit.instanceId];
        const { beads, beadColors, connectorBeads, connectorRadii, connectorColors } = this.numbers;
        if (kind === 'bead') {
            this.onPick({ kind, number: index + 1, centre: Array.from(beads.slice(4 * index, 4 * index + 3)),
                          radius: beads[4 * index + 3], color: beadColors[index] }, cost);
        } else {
            this.onPick({ kind, number: index + 1, beads: [connectorBeads[2 * index], connectorBeads[2 * index + 1]],
                          radius: connectorRadii[index], color: connectorColors[index] }, cost);
        }
    }
}

// The page's events, as the canvas would dispatch them.
const NO_DEFAULT = { preventDefault() {}, stopPropagation() {} };
let view;
self.onmessage = ({ data }) => {
    if (data.type === 'start') {
        try {
            view = new ModelView(data.canvas);
            view.resize(data.width, data.height);
        } catch (error) {
            self.postMessage({ type: 'failed', message: String(error?.message ?? error) });
        }
    } else if (!view) {
        // Without a picture the files are converted all the same.
        if (data.type === 'show') self.postMessage({ type: 'shown', id: data.id });
    } else if (data.type === 'size') {
        view.resize(data.width, data.height);
    } else if (data.type === 'event') {
        view.canvas.dispatchEvent({ ...data.event, ...NO_DEFAULT });
    } else if (data.type === 'show') {
        view.show(data.numbers);
        // Once the compositor has taken the frame, the page shows it.
        nextFrame(() => self.postMessage({ type: 'shown', id: data.id }));
    } else if (data.type === 'clear') {
        view.clear();
    } else if (data.type === 'reset') {
        view.resetView();
    }
};
